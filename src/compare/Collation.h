// The system's text rules used by matching and sorting. On Windows they are the
// ANSI code page's (CharLowerBuffA, CompareStringA); the native build has a
// plain ASCII version so that the core can be tested without Windows.
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvex {

// Lower-cases `length` bytes in place; never changes the length.
void LowerCaseInPlace(char* text, std::size_t length);

// Negative, zero or positive as `a` sorts before, with or after `b`, letter
// case ignored, in the user's locale.
int CompareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quorvex
