// The system's text rules used by matching and sorting. On Windows they are the
// ANSI code page's (CharLowerBuffA, CompareStringA); the native build has a
// plain ASCII version so that the core can be tested without Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvex {

// Lower-cases `length` bytes in place; never changes the length.
void LowerCaseInPlace(char* text, std::size_t length);

// The text lowered by that mapping: how the folded rule and the checks for
// names a list already holds ignore letter case.
inline std::string FoldCase(std::string_view text) {
    std::string folded(text);
    LowerCaseInPlace(folded.data(), folded.size());
    return folded;
}

// Negative, zero or positive as `a` sorts before, with or after `b`, letter
// case ignored, in the user's locale. The empty text sorts before every other.
int CompareIgnoringCase(std::string_view a, std::string_view b);

// Appends the sort key of a non-empty `text` to `keys`: compared as unsigned
// bytes, a key that begins another first, keys are in CompareIgnoringCase's
// order. False, with `keys` as it was, when no key could be made.
bool AppendSortKey(std::string_view text, std::string& keys);

// Whether this system's sort keys give exactly CompareIgnoringCase's order.
// The answer is worked out on the first call; make it before any threads sort.
bool SortKeysAgree();

}  // namespace quorvex
