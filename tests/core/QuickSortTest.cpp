#include "compare/QuickSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using Views = std::vector<std::string_view>;

Views Sorted(Views list) {
    QuickSort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
    return list;
}

// The pivot and loops fix where equal items end up; worked out by hand.
TEST(QuickSort, PlacesEqualItemsAsItsStepsDictate) {
    EXPECT_EQ(Sorted({}), Views{});
    EXPECT_EQ(Sorted({"b", "", "a", ""}), (Views{"", "", "a", "b"}));
    EXPECT_EQ(Sorted({"a", "A"}), (Views{"A", "a"}));
    std::vector<std::string> list{"a1", "a2", "a3"};
    QuickSort(list, 0, 2, [](const std::string& x, const std::string& y) { return x[0] < y[0]; });
    EXPECT_EQ(list, (std::vector<std::string>{"a3", "a2", "a1"}));
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
