#include "sources/ItemCount.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// Line counts as a multi-line text box without word wrap reports them: the
// number of CR LF-separated lines, at least 1.
std::int64_t LinesOf(std::string_view text) {
    std::int64_t lines = 1;
    for (auto hit = text.find("\r\n"); hit != std::string_view::npos; hit = text.find("\r\n", hit + 2)) ++lines;
    return lines;
}

TEST(ItemCount, IgnoresLineEndsAtTheEndAndEmptyLinesBetweenItems) {
    struct Row {
        const char* text;
        std::int64_t expected;
    } rows[] = {
        {"a\r\nb\r\nc\r\n", 3},
        {"a\r\nb\r\nc", 3},
        {"a\r\n\r\nb\r\nc", 3},
        {"a\r\n\r\n\r\nb", 2},       // overlapping hits: two empty lines
        {"a\r\n  \r\nb", 3},         // a line of blanks is an item
        {"\r\na", 2},                // an empty first line is counted
        {"", 1},                     // the text box reports one line
        {"\r\n\r\n", 1},
        {"a\r\n\r\n\r\n", 1},
        {"a\nb", 1},                 // a lone line feed does not end a line
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ItemCountFromLines(LinesOf(row.text), row.text), row.expected);
    }
}

TEST(ItemCount, NeverFallsBelowZero) {
    EXPECT_EQ(ItemCountFromLines(0, "a\r\n"), 0);
    EXPECT_EQ(ItemCountFromLines(1, "a\r\n\r\nb\r\n\r\nc"), 0);
    EXPECT_EQ(ItemCountFromLines(0, ""), 0);
}

TEST(ItemCount, CountsBeyondSixteenBits) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "item\r\n";
    EXPECT_EQ(ItemCountFromLines(LinesOf(text), text), 40000);
}

}  // namespace
}  // namespace quorvex
