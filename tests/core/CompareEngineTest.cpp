#include "compare/CompareEngine.h"

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

Outcome Compare(std::string_view left, std::string_view right, CompareMode mode, CaseRule rule = CaseRule::Exact,
                bool sort = false) {
    const auto result = CompareLists(left, right, {mode, rule, sort});
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

TEST(CompareLists, KeepsWhatEachModeAsks) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Compare(c.left, c.right, Sim), c.similarities);
        EXPECT_EQ(Compare(c.left, c.right, Diff), c.differences);
    }
}

TEST(CompareLists, SortsKeptItemsSeeingRemovedOnes) {
    EXPECT_EQ(Compare("", "zeta\r\nAlpha\r\n\r\nbeta", Diff, CaseRule::Exact, true),
              (Outcome{{}, {"Alpha", "beta", "zeta"}}));
    // Sorted alone, {"a", "A", "a"} stays as it is; with the removed "x" still
    // in the list the pivot and the swaps differ, and so does the result.
    EXPECT_EQ(Compare("a\r\nA\r\na", "a\r\nA", Sim, CaseRule::Exact, true), (Outcome{{"a", "A", "a"}, {"A", "a"}}));
    EXPECT_EQ(Compare("a\r\nA\r\na\r\nx", "a\r\nA", Sim, CaseRule::Exact, true),
              (Outcome{{"a", "a", "A"}, {"A", "a"}}));
}

#ifdef _WIN32
TEST(CompareLists, FoldedRuleUsesTheCodePagesCaseMapping) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western European ANSI code page";
    EXPECT_EQ(Compare("\xC0" "B", "\xE0" "b", Sim, CaseRule::Folded), (Outcome{{"\xC0" "B"}, {"\xE0" "b"}}));
    EXPECT_EQ(Compare("\xC0" "B", "\xE0" "b", Sim, CaseRule::Exact), (Outcome{{}, {}}));
}
#endif

// Many random lists of a few short names, so that every item meets its
// equals and near-equals: each kept item is exactly one whose trimmed text
// the other list holds (Similarities) or lacks (Differences).
TEST(CompareLists, KeepsAnItemExactlyWhenTheOtherListHoldsIt) {
    std::mt19937 random(7);
    const auto randomList = [&](std::vector<std::string>& items) {
        std::string text;
        for (int i = static_cast<int>(random() % 40); i > 0; --i) {
            items.push_back(std::string(1 + random() % 3, static_cast<char>('a' + random() % 3)));
            text += (text.empty() ? "" : "\r\n") + std::string(random() % 2, ' ') + items.back();
        }
        return text;
    };
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> leftItems, rightItems;
        const std::string left = randomList(leftItems), right = randomList(rightItems);
        const std::set<std::string> leftSet(leftItems.begin(), leftItems.end()),
            rightSet(rightItems.begin(), rightItems.end());
        for (auto mode : {Sim, Diff}) {
            Outcome expected;
            for (const auto& item : leftItems)
                if (rightSet.count(item) == (mode == Sim)) expected.first.push_back(item);
            for (const auto& item : rightItems)
                if (leftSet.count(item) == (mode == Sim)) expected.second.push_back(item);
            ASSERT_EQ(Compare(left, right, mode), expected) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace quorvex
