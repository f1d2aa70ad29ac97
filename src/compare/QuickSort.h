// In-place quicksort whose pivot and loops fix the order of items that compare
// equal (the sort is not stable), so results are reproducible run to run.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "compare/Collation.h"

namespace quorvex {

// Sorts list[low..high] (both inclusive) ascending; `less(a, b)` orders two
// elements. Out-of-range bounds are clamped to the list. The recursion goes
// into the smaller stretch only, so the depth stays logarithmic; the stretches
// are disjoint, so the order in which they are sorted changes nothing.
template <class T, class Less>
void QuickSort(std::vector<T>& list, std::ptrdiff_t low, std::ptrdiff_t high, Less less) {
    const auto size = static_cast<std::ptrdiff_t>(list.size());
    if (low < 0) low = 0;
    if (high > size - 1) high = size - 1;
    while (high > low) {
        const T pivot = list[static_cast<std::size_t>(low + (high - low) / 2)];
        std::ptrdiff_t i = low;
        std::ptrdiff_t j = high;
        while (i <= j) {
            while (less(list[static_cast<std::size_t>(i)], pivot) && i < high) ++i;
            while (less(pivot, list[static_cast<std::size_t>(j)]) && j > low) --j;
            if (i <= j) {
                std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (j - low < high - i) {
            if (low < j) QuickSort(list, low, j, less);
            low = i;
        } else {
            if (i < high) QuickSort(list, i, high, less);
            high = j;
        }
    }
}

// Case-insensitive text order of the user's locale.
inline void QuickSort(std::vector<std::string_view>& list, std::ptrdiff_t low, std::ptrdiff_t high) {
    QuickSort(list, low, high, [](std::string_view a, std::string_view b) { return CompareIgnoringCase(a, b) < 0; });
}

}  // namespace quorvex
