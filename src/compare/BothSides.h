// The two sides of a comparison, or the pieces of a large one, are worked on
// at the same time where the system allows: their steps share nothing they
// write.
#pragma once

#include <functional>

namespace quorvex {

// Runs work(0) to work(count - 1), each on a thread of its own where one can
// be started, on the calling thread where not; returns when all are done.
// The first exception of any is thrown again here once all have ended.
void OnThreads(unsigned count, const std::function<void(unsigned index)>& work);

// OnThreads for the two sides: work(0) and work(1).
inline void ForBothSides(const std::function<void(int side)>& work) {
    OnThreads(2, [&work](unsigned side) { work(static_cast<int>(side)); });
}

}  // namespace quorvex
