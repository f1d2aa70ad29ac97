#include "compare/TextRoutines.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

TEST(StripNulls, CutsAtTheFirstZero) {
    EXPECT_EQ(StripNulls(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(StripNulls(std::string_view("\0a", 2)), "");
    EXPECT_EQ(StripNulls("abc"), "abc");
}

TEST(LeadingNumber16, ReadsTheNumberATextStartsWithOrZero) {
    const std::pair<const char*, short> rows[] = {
        {"1200", 1200}, {" -7 px", -7}, {"12.5", 12}, {"13.5", 14}, {"+3", 3},     {"", 0},
        {"abc", 0},     {"-", 0},       {"40000", 0}, {"-32768", -32768}, {"32767.5", 0}, {".5", 0},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(LeadingNumber16(text), number) << text;
}

}  // namespace
}  // namespace quorvex
