// The two sides of a comparison are worked on at the same time where the
// system allows: their steps share nothing they write.
#pragma once

#include <functional>

namespace quorvex {

// Runs work(0) and work(1), side by side on two threads when one can be
// started, one after the other when not; returns when both are done. An
// exception of either is thrown again here once both have ended.
void ForBothSides(const std::function<void(int side)>& work);

}  // namespace quorvex
