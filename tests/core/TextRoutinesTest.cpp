#include <gtest/gtest.h>

#include <string>

#include "app/CommandLine.h"
#include "compare/TextRoutines.h"

namespace quorvex {
namespace {

TEST(AddBackslash, TrimsBlanksAndEndsInOneBackslash) {
    const std::pair<const char*, const char*> rows[] = {
        {"  C:\\dir  ", "C:\\dir\\"}, {"C:\\", "C:\\"}, {"", "\\"}, {"   ", "\\"}, {"\tx", "\tx\\"},
    };
    for (const auto& [path, expected] : rows) EXPECT_EQ(AddBackslash(path), expected) << path;
}

TEST(LeadingNumber16, ReadsTheNumberATextStartsWithOrZero) {
    const std::pair<const char*, short> rows[] = {
        {"1200", 1200}, {" -7 px", -7}, {"12.5", 12}, {"13.5", 14},       {"2.509", 3},     {"+3", 3},      {"", 0},
        {"abc", 0},     {"-", 0},       {"40000", 0}, {"-32768", -32768}, {"32767", 32767}, {"32767.5", 0}, {".5", 0},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(LeadingNumber16(text), number) << text;
}

TEST(ParseCommandLine, TheSwitchInLowerCaseThenTheListFileAsWritten) {
    const CommandLine line = ParseCommandLine("/FC:\\list.ini");
    EXPECT_TRUE(line.acted);
    EXPECT_EQ(line.command, "/f");
    EXPECT_EQ(line.listFile, "C:\\list.ini");
    EXPECT_EQ(ParseCommandLine("/d \"x.ini\"").listFile, " \"x.ini\"");
    EXPECT_EQ(ParseCommandLine(std::string_view("/fa\0b", 5)).listFile, "a");
    EXPECT_EQ(ParseCommandLine("/").command, "/");
    EXPECT_FALSE(ParseCommandLine("list.ini").acted);
    EXPECT_FALSE(ParseCommandLine("").acted);
}

}  // namespace
}  // namespace quorvex
