#include "compare/TextRoutines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(TrimSpaces("  two words  "), "two words");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("\tword\t"), "\tword\t");
}

TEST(StripPath, KeepsTheTextAfterTheLastSeparator) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\dir\\a.txt", "a.txt"}, {"a.txt", "a.txt"}, {"C:\\dir\\", ""}, {"", ""}, {"\\lead", "lead"},
    };
    for (const auto& [path, expected] : rows) EXPECT_EQ(StripPath(path, "\\"), expected) << path;
    // A longer separator: the result starts one character after the last hit.
    EXPECT_EQ(StripPath("xabab", "ab"), "b");
    EXPECT_EQ(StripPath("aXb", "x"), "aXb");  // case counts
}

TEST(AddBackslash, TrimsAndEndsWithOneBackslash) {
    EXPECT_EQ(AddBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("  C:\\dir\\  "), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("   "), "\\");
}

TEST(SplitAtCrLf, SplitsAtCrLfOnly) {
    const auto split = [](std::string_view text) {
        std::vector<std::string> items;
        for (auto item : SplitAtCrLf(text)) items.emplace_back(item);
        return items;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(split(""), V{});
    EXPECT_EQ(split("a\r\n"), (V{"a", ""}));
    EXPECT_EQ(split("a\nb\rc"), V{"a\nb\rc"});
    EXPECT_EQ(split("a\r\r\nb"), (V{"a\r", "b"}));
    EXPECT_EQ(split("a\r\n\r\nb\r"), (V{"a", "", "b\r"}));
}

}  // namespace
}  // namespace quorvex
