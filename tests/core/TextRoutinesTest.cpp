#include "compare/TextRoutines.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

TEST(StripPath, KeepsTheTextAfterTheLastSeparator) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\dir\\a.txt", "a.txt"}, {"a.txt", "a.txt"}, {"C:\\dir\\", ""}, {"", ""}, {"\\lead", "lead"},
    };
    for (const auto& [path, expected] : rows) EXPECT_EQ(StripPath(path, "\\"), expected) << path;
}

TEST(AddBackslash, TrimsAndEndsWithOneBackslash) {
    EXPECT_EQ(AddBackslash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("  C:\\dir\\  "), "C:\\dir\\");
    EXPECT_EQ(AddBackslash("   "), "\\");
}

}  // namespace
}  // namespace quorvex
