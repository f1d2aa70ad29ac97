#include "compare/QuickSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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
}

TEST(QuickSort, SortsListsFullOfDuplicates) {
    std::mt19937 random(42);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> list(random() % 300);
        const int keys = 1 + static_cast<int>(random() % 12);
        for (int& key : list) key = static_cast<int>(random() % keys);
        auto expected = list;
        std::sort(expected.begin(), expected.end());
        QuickSort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1, std::less<int>());
        ASSERT_EQ(list, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace quorvex
