#include "compare/TextRoutines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(TrimSpaces("  word  "), "word");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("\tword\t"), "\tword\t");
    EXPECT_EQ(TrimSpaces(" two words "), "two words");
}

TEST(StripPath, KeepsTheTextAfterTheLastSeparator) {
    struct Row {
        const char* path;
        const char* expected;
    } rows[] = {
        {"C:\\dir\\a.txt", "a.txt"},
        {"a.txt", "a.txt"},
        {"C:\\dir\\", ""},
        {"\\", ""},
        {"", ""},
        {"\\lead", "lead"},
        {"a\\\\b", "b"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(StripPath(row.path, "\\"), row.expected);
    }
}

TEST(StripPath, LongerSeparatorLeavesItsTailInTheResult) {
    // The result starts one character after the start of the last hit.
    EXPECT_EQ(StripPath("xabab", "ab"), "b");
    EXPECT_EQ(StripPath("xaaa", "aa"), "a");
}

TEST(StripPath, IsCaseSensitive) { EXPECT_EQ(StripPath("aXbxc", "x"), "c"); EXPECT_EQ(StripPath("aXb", "x"), "aXb"); }

TEST(AddBackslash, TrimsAndEndsWithOneBackslash) {
    EXPECT_EQ(AddBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("  C:\\dir  "), "C:\\dir\\");
    EXPECT_EQ(AddBackslash(" C:\\ "), "C:\\");
    EXPECT_EQ(AddBackslash(""), "\\");
    EXPECT_EQ(AddBackslash("    "), "\\");
}

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> items;
    for (auto item : SplitAtCrLf(text)) items.emplace_back(item);
    return items;
}

TEST(SplitAtCrLf, SplitsAtCrLfOnly) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Split(""), V{});
    EXPECT_EQ(Split("a"), V{"a"});
    EXPECT_EQ(Split("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(Split("a\r\n"), (V{"a", ""}));
    EXPECT_EQ(Split("\r\n"), (V{"", ""}));
    EXPECT_EQ(Split("a\nb\rc"), V{"a\nb\rc"});
    EXPECT_EQ(Split("a\r\r\nb"), (V{"a\r", "b"}));
    EXPECT_EQ(Split("\r"), V{"\r"});
    EXPECT_EQ(Split("a\r\n\r\nb\r"), (V{"a", "", "b\r"}));
}

}  // namespace
}  // namespace quorvex
