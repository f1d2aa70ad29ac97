// The sort of a result list: QuickSort's order, reached through sort keys.
#pragma once

#include <string_view>
#include <vector>

#include "compare/Collation.h"

namespace quorvex {

// The non-empty items of `list` that are kept (`marks[i] == keep`) in the
// order that QuickSort over the whole list leaves them, the others taking
// part as empty items.
//
// A key sort gives the same texts in the same order whenever items with equal
// keys are equal byte for byte: only items that sort as equal but read
// differently (a and A) depend on QuickSort's steps, and only then do the
// steps run, on the keys. Without usable keys QuickSort compares the texts.
//
// With `tiesByBytes`, items that sort as equal take the order of their bytes
// instead, so the order depends on the kept items alone (ByKeyThenBytes).
std::vector<std::string_view> SortedKept(const std::vector<std::string_view>& list, const std::vector<char>& marks,
                                         char keep, bool tiesByBytes = false);

// The order of a sort whose ties go by bytes: case-insensitive order of the
// user's locale, then unsigned bytes.
inline bool ByKeyThenBytes(std::string_view a, std::string_view b) {
    const int order = CompareIgnoringCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace quorvex
