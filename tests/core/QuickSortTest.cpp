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

TEST(QuickSort, OrdersIgnoringCase) {
    EXPECT_EQ(Sorted({"b", "A", "c"}), (Views{"A", "b", "c"}));
}

TEST(QuickSort, SortsOnlyTheGivenStretch) {
    EXPECT_EQ(Sorted({}), Views{});
    EXPECT_EQ(Sorted({"b", "", "a", ""}), (Views{"", "", "a", "b"}));  // empty items gather at the front
    Views list{"z", "c", "b", "a", "y"};
    QuickSort(list, 1, 3);
    EXPECT_EQ(list, (Views{"z", "a", "b", "c", "y"}));
    QuickSort(list, 3, 1);  // an inverted stretch is left alone
    EXPECT_EQ(list, (Views{"z", "a", "b", "c", "y"}));
}

// The pivot and loops fix where equal items end up; worked out by hand.
TEST(QuickSort, PlacesEqualItemsAsItsStepsDictate) {
    EXPECT_EQ(Sorted({"a", "A"}), (Views{"A", "a"}));
    std::vector<std::string> list{"a1", "a2", "a3"};
    QuickSort(list, 0, 2, [](const std::string& x, const std::string& y) { return x[0] < y[0]; });
    EXPECT_EQ(list, (std::vector<std::string>{"a3", "a2", "a1"}));
}

// The stepwise definition, recursing into both stretches.
template <class T, class Less>
void DefinitionQuickSort(std::vector<T>& list, std::ptrdiff_t low, std::ptrdiff_t high, Less less) {
    if (high <= low) return;
    const T pivot = list[(low + high) / 2];
    std::ptrdiff_t i = low, j = high;
    while (i <= j) {
        while (less(list[i], pivot) && i < high) ++i;
        while (less(pivot, list[j]) && j > low) --j;
        if (i <= j) std::swap(list[i++], list[j--]);
    }
    if (low < j) DefinitionQuickSort(list, low, j, less);
    if (i < high) DefinitionQuickSort(list, i, high, less);
}

TEST(QuickSort, MatchesTheStepwiseDefinitionOnManyDuplicates) {
    std::mt19937 random(42);
    struct Item {
        int key;
        int identity;
    };
    const auto less = [](const Item& a, const Item& b) { return a.key < b.key; };
    for (int round = 0; round < 200; ++round) {
        const int size = static_cast<int>(random() % 300);
        const int keys = 1 + static_cast<int>(random() % 12);
        std::vector<Item> list;
        for (int i = 0; i < size; ++i) list.push_back({static_cast<int>(random() % keys), i});
        auto expected = list;
        DefinitionQuickSort(expected, 0, size - 1, less);
        QuickSort(list, 0, size - 1, less);
        ASSERT_EQ(list.size(), expected.size());
        for (int i = 0; i < size; ++i) {
            ASSERT_EQ(list[i].identity, expected[i].identity) << "round " << round << " index " << i;
        }
    }
}

// Equal items split every stretch in the middle, so a list of one repeated
// value sorts in n log n rather than n squared.
TEST(QuickSort, SortsALongListOfOneRepeatedValue) {
    std::vector<int> list(1'000'000, 7);
    list[123] = 1;
    QuickSort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1, std::less<int>());
    EXPECT_EQ(list.front(), 1);
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
}

}  // namespace
}  // namespace quorvex
