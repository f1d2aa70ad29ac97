#include "compare/QuickSort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

// The pivot and loops fix where equal items end up; worked out by hand.
TEST(QuickSort, PlacesEqualItemsAsItsStepsDictate) {
    const auto byLetter = [](const std::string& x, const std::string& y) { return x[0] < y[0]; };
    std::vector<std::string> list{"b1", "a1", "b2", "a2", "a3", "b3"};
    QuickSort(list, 0, 5, byLetter);
    EXPECT_EQ(list, (std::vector<std::string>{"a3", "a2", "a1", "b3", "b1", "b2"}));
    std::vector<std::string> three{"a1", "a2", "a3"};  // the middle one is swapped with itself
    QuickSort(three, 0, 2, byLetter);
    EXPECT_EQ(three, (std::vector<std::string>{"a3", "a2", "a1"}));
}

}  // namespace
}  // namespace quorvex
