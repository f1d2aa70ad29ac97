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

TEST(ListingPrefix, IsTheFoldersPathBelowTheTopBetweenBackslashes) {
    EXPECT_EQ(ListingPrefix("C:\\top", ""), "");
    EXPECT_EQ(ListingPrefix("C:\\top\\S", "C:\\top"), "\\S\\");
    EXPECT_EQ(ListingPrefix("C:\\top\\S\\U", "C:\\top"), "\\S\\U\\");
    EXPECT_EQ(ListingPrefix("C:\\top\\S\\U", "C:\\top\\"), "\\S\\U\\");  // the root's final backslash changes nothing
    EXPECT_EQ(ListingPrefix("C:\\S", "C:\\"), "\\S\\");                // a drive root
}

TEST(DialogText, FilterHasZeroSeparatorsAndTwoZerosAtTheEnd) {
    EXPECT_EQ(DialogFilter("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
              std::string("Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0\0", 46));
}

TEST(DialogText, SplitsAnInitialPathAndReadsTheChosenPath) {
    const SplitPath split = SplitInitialPath("C:\\lists\\a.txt");
    EXPECT_EQ(split.folder, "C:\\lists\\");
    EXPECT_EQ(split.fileName, "a.txt");
    EXPECT_EQ(SplitInitialPath("a.txt").folder, "");
    EXPECT_EQ(SplitInitialPath("").fileName, "");
    EXPECT_EQ(PathFromFileBuffer(std::string("C:\\x.txt\0\0junk", 15)), "C:\\x.txt");
    EXPECT_EQ(PathFromFileBuffer(std::string(700, '\0')), "");
}

}  // namespace
}  // namespace quorvex
