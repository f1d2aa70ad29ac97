#include "compare/CompareEngine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "compare/Collation.h"
#include "compare/QuickSort.h"
#include "compare/TextRoutines.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex {
namespace {

using Items = std::vector<std::string>;

struct Outcome {
    Items left;
    Items right;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "left {";
    for (const auto& i : o.left) os << '"' << i << "\" ";
    os << "} right {";
    for (const auto& i : o.right) os << '"' << i << "\" ";
    return os << "}";
}

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
    {"both empty", "", "", {{}, {}}, {{}, {}}},
    {"right empty", "a\r\nb", "", {{}, {}}, {{"a", "b"}, {}}},
    {"left empty", "", "x\r\ny", {{}, {}}, {{}, {"x", "y"}}},
    {"spaces are trimmed", "  word  ", "word", {{"word"}, {"word"}}, {{}, {}}},
    {"tabs take part", "a\t", "a", {{}, {}}, {{"a\t"}, {"a"}}},
    {"blank lines never shown", "a\r\n\r\n   \r\nb", "a\r\n\r\n", {{"a"}, {"a"}}, {{"b"}, {}}},
    {"exact rule by default", "Readme.txt", "README.TXT", {{}, {}}, {{"Readme.txt"}, {"README.TXT"}}},
    {"every occurrence kept", "a\r\na\r\nb", "a", {{"a", "a"}, {"a"}}, {{"b"}, {}}},
    {"list order kept", "c\r\nb\r\na", "a\r\nc\r\nb", {{"c", "b", "a"}, {"a", "c", "b"}}, {{}, {}}},
    {"lone CR and LF stay in the item", "a\nb\r\nc\rd", "a\r\nb\r\nc", {{}, {}}, {{"a\nb", "c\rd"}, {"a", "b", "c"}}},
    {"trailing CR LF on the right changes nothing", "a\r\nb", "a\r\n", {{"a"}, {"a"}}, {{"b"}, {}}},
    {"paths reduced to names", "C:\\one\\a.txt\r\nC:\\one\\b.txt", "D:\\two\\a.txt", {{"a.txt"}, {"a.txt"}},
     {{"b.txt"}, {}}},
    {"one left item without backslash: full texts", "a.txt\r\nC:\\x\\b.txt", "b.txt", {{}, {}},
     {{"a.txt", "C:\\x\\b.txt"}, {"b.txt"}}},
    {"left paths ending in CR LF: full texts", "C:\\one\\a.txt\r\n", "a.txt", {{}, {}}, {{"C:\\one\\a.txt"}, {"a.txt"}}},
    {"right items are stripped too", "C:\\a.txt", "E:\\z\\a.txt", {{"a.txt"}, {"a.txt"}}, {{}, {}}},
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

TEST(CompareLists, FoldedRuleMatchesItemsThatDifferInCase) {
    EXPECT_EQ(Compare("Readme.txt\r\nother", "README.TXT", Diff, CaseRule::Folded), (Outcome{{"other"}, {}}));
    // Results show the items as written, not folded.
    EXPECT_EQ(Compare("C:\\X\\ABC", "abc", Sim, CaseRule::Folded), (Outcome{{"ABC"}, {"abc"}}));
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

// The comparison as its steps define it: every item tested against every item
// of the other list, lower-casing each pair under the folded rule.
Outcome StepwiseCompare(std::string_view leftText, std::string_view rightText, const CompareOptions& options) {
    Items left, right;
    for (auto item : SplitAtCrLf(leftText)) left.emplace_back(TrimSpaces(item));
    for (auto item : SplitAtCrLf(rightText)) right.emplace_back(TrimSpaces(item));
    bool pathMode = true;
    for (const auto& item : left)
        if (item.find('\\') == std::string::npos) pathMode = false;
    for (std::size_t k = 0; k < right.size(); ++k)
        if (k >= left.size() || (!left[k].empty() && left[k][0] == '\\')) pathMode = false;
    if (pathMode) {
        for (auto& item : left) item = std::string(StripPath(item, "\\"));
        for (auto& item : right) item = std::string(StripPath(item, "\\"));
    }
    const Items saved = left;
    const auto matches = [&](std::string a, std::string b) {
        if (options.caseRule == CaseRule::Folded) {
            LowerCaseInPlace(a.data(), a.size());
            LowerCaseInPlace(b.data(), b.size());
        }
        return a == b;
    };
    const bool keepFound = options.mode == CompareMode::Similarities;
    for (auto& item : left) {
        bool found = false;
        for (const auto& other : right) found = found || matches(item, other);
        if (found != keepFound) item.clear();
    }
    for (auto& item : right) {
        bool found = false;
        for (const auto& other : saved) found = found || matches(item, other);
        if (found != keepFound) item.clear();
    }
    Outcome outcome;
    for (auto* side : {&left, &right}) {
        std::vector<std::string_view> views(side->begin(), side->end());
        if (options.sort) QuickSort(views, 0, static_cast<std::ptrdiff_t>(views.size()) - 1);
        Items& shown = side == &left ? outcome.left : outcome.right;
        for (auto v : views)
            if (!v.empty()) shown.emplace_back(v);
    }
    return outcome;
}

std::string RandomList(std::mt19937& random, bool paths) {
    static const char* const kWords[] = {"a", "A", "b", "B", "ab", "Ab", " a", "a ", "\ta", "", " ", "c\\a", "\\a",
                                         "x\\b", "C:\\d\\a", "C:\\D\\B", "d\\", "a\rb", "a\nb"};
    static const char* const kPaths[] = {"C:\\d\\a", "C:\\D\\A", "E:\\b", "C:\\x\\ab", "F:\\a\\"};
    std::string text;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += "\r\n";
        text += paths ? kPaths[random() % std::size(kPaths)] : kWords[random() % std::size(kWords)];
    }
    if (random() % 4 == 0) text += "\r\n";
    return text;
}

TEST(CompareLists, KeepsExactlyWhatPairwiseMatchingKeeps) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::string left = RandomList(random, round % 3 == 0);
        const std::string right = RandomList(random, round % 5 == 0);
        for (auto mode : {Sim, Diff}) {
            for (auto rule : {CaseRule::Exact, CaseRule::Folded}) {
                for (bool sort : {false, true}) {
                    const CompareOptions options{mode, rule, sort};
                    const auto result = CompareLists(left, right, options);
                    const Outcome actual{Items(result.left.begin(), result.left.end()),
                                         Items(result.right.begin(), result.right.end())};
                    ASSERT_EQ(actual, StepwiseCompare(left, right, options))
                        << "round " << round << " mode " << int(mode) << " rule " << int(rule) << " sort " << sort;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorvex
