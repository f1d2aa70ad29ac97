#include "sources/ItemCount.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// Line counts as a text box without word wrap reports them: the number of
// CR LF-separated lines, at least 1.
std::int64_t LinesOf(std::string_view text) {
    std::int64_t lines = 1;
    for (auto hit = text.find("\r\n"); hit != std::string_view::npos; hit = text.find("\r\n", hit + 2)) ++lines;
    return lines;
}

TEST(ItemCount, IgnoresLineEndsAtTheEndAndEmptyLinesBetweenItems) {
    const std::pair<const char*, std::int64_t> rows[] = {
        {"a\r\nb\r\nc\r\n", 3}, {"a\r\nb\r\nc", 3}, {"a\r\n\r\nb\r\nc", 3},
        {"a\r\n\r\n\r\nb", 2},   // overlapping hits: two empty lines
        {"a\r\n  \r\nb", 3},     // a line of blanks is an item
        {"\r\na", 2},            // so is an empty first line
        {"", 1},                 {"\r\n\r\n", 1},
        {"a\nb", 1},             // a lone line feed does not end a line
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(ItemCountFromLines(LinesOf(text), text), expected) << text;
}

}  // namespace
}  // namespace quorvex
