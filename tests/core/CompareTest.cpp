#include "compare/CompareEngine.h"

#include "compare/Collation.h"
#include "compare/QuickSort.h"
#include "compare/TextRoutines.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex {
namespace {

using Items = std::vector<std::string>;

using Outcome = std::pair<Items, Items>;  // left, right

Outcome Compare(std::string_view left, std::string_view right, const CompareOptions& options) {
    const auto result = CompareLists(left, right, options);
    return {Items(result.left.begin(), result.left.end()), Items(result.right.begin(), result.right.end())};
}

constexpr auto Sim = CompareMode::Similarities;
constexpr auto Diff = CompareMode::Differences;

// The rules that decide what each side keeps are checked against their
// pairwise definition, under every combination of options, by
// fuzz/compare_fuzz.cpp. What it takes from here (the case mapping, the sort)
// or never reaches (the counts, lists large enough for two threads) is here.
TEST(CompareLists, CountsTheItemsEachListHoldsAndFoldsEveryLetter) {
    const auto held = CompareLists("a\r\n\r\n  \r\nb", "a\r\n", {});
    EXPECT_EQ(std::make_pair(held.heldLeft, held.heldRight), std::make_pair(std::size_t{2}, std::size_t{1}));
    EXPECT_EQ(Compare("Zz", "zZ", {.caseRule = CaseRule::Folded}), (Outcome{{"Zz"}, {"zZ"}}));
}

// Words that differ in case, hyphens, apostrophes, accents and bytes above
// 0x7F, with duplicates and blank lines among them.
std::string RandomWord(std::mt19937& random) {
    static const char kLetters[] = "aAbB09-'. _\xE9\xC9\xC4\xE4\xDF\x80\xFF";
    std::string word;
    for (int n = static_cast<int>(random() % 5); n > 0; --n) word += kLetters[random() % (sizeof kLetters - 1)];
    return word;
}

// The result is what QuickSort gives the whole list with the removed items
// emptied in place, and the fast sort by keys is the one taken.
TEST(CompareLists, SortsAsQuickSortDoes) {
    ASSERT_TRUE(SortKeysAgree());
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        std::string left, right;
        for (int i = 0; i < 80; ++i) (random() % 2 ? left : right) += RandomWord(random) + "\r\n";
        const Items unsorted = Compare(left, right, {.mode = Diff, .caseRule = CaseRule::Folded}).first;
        std::vector<std::string_view> all;
        std::size_t next = 0;
        for (const auto line : SplitAtCrLf(left)) {
            const bool kept = next < unsorted.size() && unsorted[next] == TrimSpaces(line);
            all.push_back(kept ? std::string_view(unsorted[next++]) : std::string_view());
        }
        QuickSort(all, 0, static_cast<std::ptrdiff_t>(all.size()) - 1);
        std::erase(all, std::string_view());
        const Items sorted = Compare(left, right, {.mode = Diff, .caseRule = CaseRule::Folded, .sort = true}).first;
        ASSERT_EQ(sorted, Items(all.begin(), all.end())) << round;
    }
}

#ifdef _WIN32
TEST(CompareLists, FoldedRuleUsesTheCodePagesCaseMapping) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western European ANSI code page";
    // Octal escapes: a hex escape would take the letter after it.
    EXPECT_EQ(Compare("\300B", "\340b", {.caseRule = CaseRule::Folded}), (Outcome{{"\300B"}, {"\340b"}}));
    EXPECT_EQ(Compare("\300B", "\340b", {}), (Outcome{{}, {}}));
}
#endif

// Lists large enough for the two sides to run on two threads: each kept
// item is exactly one whose trimmed text the other list holds (Similarities)
// or lacks (Differences).
TEST(CompareLists, KeepsAnItemExactlyWhenTheOtherListHoldsIt) {
    std::mt19937 random(7);
    std::vector<std::string> items[2];
    std::string texts[2];
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 60000; ++i) {
            items[side].push_back("item" + std::to_string(random() % 200000));
            texts[side] += std::string(random() % 2, ' ') + items[side].back() + "\r\n";
        }
    const std::set<std::string> held[2] = {{items[0].begin(), items[0].end()}, {items[1].begin(), items[1].end()}};
    for (auto mode : {Sim, Diff}) {
        Outcome expected;
        for (const auto& item : items[0])
            if (held[1].count(item) == (mode == Sim)) expected.first.push_back(item);
        for (const auto& item : items[1])
            if (held[0].count(item) == (mode == Sim)) expected.second.push_back(item);
        EXPECT_EQ(Compare(texts[0], texts[1], {.mode = mode}), expected);
    }
}

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
