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

struct Case {
    const char* name;
    const char* left;
    const char* right;
    Outcome similarities;
    Outcome differences;
};

const Case kCases[] = {
    {"spaces are trimmed", "  word  ", "word", {{"word"}, {"word"}}, {{}, {}}},
    {"tabs take part", "a\t", "a", {{}, {}}, {{"a\t"}, {"a"}}},
    {"blank lines never shown", "a\r\n\r\n   \r\nb", "a\r\n\r\n", {{"a"}, {"a"}}, {{"b"}, {}}},
    {"lone CR and LF stay in the item", "a\nb\r\nc\rd", "a\r\nb\r\nc", {{}, {}}, {{"a\nb", "c\rd"}, {"a", "b", "c"}}},
    {"paths reduced to names", "C:\\one\\a.txt\r\nC:\\one\\b.txt", "D:\\two\\a.txt", {{"a.txt"}, {"a.txt"}},
     {{"b.txt"}, {}}},
    {"one left item without backslash: full texts", "a.txt\r\nC:\\x\\b.txt", "b.txt", {{}, {}},
     {{"a.txt", "C:\\x\\b.txt"}, {"b.txt"}}},
    {"left paths ending in CR LF: full texts", "C:\\one\\a.txt\r\n", "a.txt", {{}, {}}, {{"C:\\one\\a.txt"}, {"a.txt"}}},
    {"names ending in a backslash vanish", "C:\\dir\\\r\nC:\\dir\\a", "a", {{"a"}, {"a"}}, {{}, {}}},
    // A left item starting with a backslash, at an index the right list has,
    // turns path mode off: folder listings compare as relative names.
    {"listing lines compare whole", "\\S\\c.txt\r\nS\\", "\\S\\c.txt", {{"\\S\\c.txt"}, {"\\S\\c.txt"}},
     {{"S\\"}, {}}},
    {"right longer than left: full texts", "C:\\a.txt", "a.txt\r\nb.txt", {{}, {}}, {{"C:\\a.txt"}, {"a.txt", "b.txt"}}},
    {"only indexes of the right list are tested", "C:\\a.txt\r\n\\b.txt", "a.txt", {{"a.txt"}, {"a.txt"}},
     {{"b.txt"}, {}}},
    {"spaces around paths trimmed first", "  C:\\a.txt  ", "a.txt", {{"a.txt"}, {"a.txt"}}, {{}, {}}},
};

// Three "a" against two leave the third; every other rule as the window's.
TEST(CompareLists, PairsOccurrencesKeepsBlanksAndTakesNamesWhenAsked) {
    EXPECT_EQ(Compare("a\r\nb\r\na\r\na", "a\r\nc\r\na", {.mode = Diff, .pair = true}), (Outcome{{"b", "a"}, {"c"}}));
    EXPECT_EQ(Compare("a\r\na\r\na", "a\r\na", {.pair = true}), (Outcome{{"a", "a"}, {"a", "a"}}));
    EXPECT_EQ(Compare(" a", "a", {.mode = Diff, .trim = false}), (Outcome{{" a"}, {"a"}}));
    EXPECT_EQ(Compare("x/a\r\ny\\b\r\nc", "a\r\nb", {.names = NameRule::Always}), (Outcome{{"a", "b"}, {"a", "b"}}));
    EXPECT_EQ(Compare("C:\\a", "a", {.names = NameRule::Never}), (Outcome{{}, {}}));
    EXPECT_EQ(Compare("Zz", "zZ", {.caseRule = CaseRule::Folded}), (Outcome{{"Zz"}, {"zZ"}}));  // Z folds too
    const auto held = CompareLists("a\r\n\r\n  \r\nb", "a\r\n", {});
    EXPECT_EQ(std::make_pair(held.heldLeft, held.heldRight), std::make_pair(std::size_t{2}, std::size_t{1}));
}

TEST(CompareLists, KeepsWhatEachModeAsks) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Compare(c.left, c.right, {.mode = Sim}), c.similarities);
        EXPECT_EQ(Compare(c.left, c.right, {.mode = Diff}), c.differences);
    }
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
    EXPECT_EQ(Compare("\xC0" "B", "\xE0" "b", {.caseRule = CaseRule::Folded}), (Outcome{{"\xC0" "B"}, {"\xE0" "b"}}));
    EXPECT_EQ(Compare("\xC0" "B", "\xE0" "b", {}), (Outcome{{}, {}}));
}
#endif

// Many random lists of a few short names, so that every item meets its
// equals and near-equals: each kept item is exactly one whose trimmed text
// the other list holds (Similarities) or lacks (Differences).
TEST(CompareLists, KeepsAnItemExactlyWhenTheOtherListHoldsIt) {
    std::mt19937 random(7);
    const auto randomList = [&](std::vector<std::string>& items, int count) {
        std::string text;
        for (int i = count; i > 0; --i) {
            items.push_back(std::string(1 + random() % 3, static_cast<char>('a' + random() % 3)));
            text += (text.empty() ? "" : "\r\n") + std::string(random() % 2, ' ') + items.back();
        }
        return text;
    };
    // The last round is large enough for the two sides to run on two threads.
    for (int round = 0; round <= 500; ++round) {
        const auto count = [&] { return round < 500 ? static_cast<int>(random() % 40) : 60000; };
        std::vector<std::string> leftItems, rightItems;
        const std::string left = randomList(leftItems, count()), right = randomList(rightItems, count());
        const std::set<std::string> leftSet(leftItems.begin(), leftItems.end()),
            rightSet(rightItems.begin(), rightItems.end());
        for (auto mode : {Sim, Diff}) {
            Outcome expected;
            for (const auto& item : leftItems)
                if (rightSet.count(item) == (mode == Sim)) expected.first.push_back(item);
            for (const auto& item : rightItems)
                if (leftSet.count(item) == (mode == Sim)) expected.second.push_back(item);
            ASSERT_EQ(Compare(left, right, {.mode = mode}), expected) << "round " << round;
        }
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
