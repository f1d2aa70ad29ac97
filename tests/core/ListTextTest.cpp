#include <gtest/gtest.h>

#include <string>

#include "platform/DialogText.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

TEST(NormaliseLineEnds, TurnsLineFeedsIntoCrLfOnlyWithoutAnyCarriageReturn) {
    const std::pair<std::string, std::string> rows[] = {
        {"a\nb\n", "a\r\nb\r\n"}, {"\n\n", "\r\n\r\n"}, {"a\r\nb\nc", "a\r\nb\nc"},
        {"a\rb\nc", "a\rb\nc"},   {"one", "one"},        {"", ""},
    };
    for (const auto& [input, expected] : rows) {
        std::string text = input;
        NormaliseLineEnds(text);
        EXPECT_EQ(text, expected) << input;
    }
}

// A drive root as the top folder gives the same prefixes as any other.
TEST(ListingPrefix, IsTheFoldersPathBelowTheTopBetweenBackslashes) {
    EXPECT_EQ(ListingPrefix("C:\\S\\U", "C:\\"), "\\S\\U\\");
}

// Wine's dialogs take a filter without its zero characters; Windows' do not.
TEST(DialogFilter, HasZeroSeparatorsAndTwoZerosAtTheEnd) {
    EXPECT_EQ(DialogFilter("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
              std::string("Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0\0", 46));
}

}  // namespace
}  // namespace quorvex
