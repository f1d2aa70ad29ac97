#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "platform/MessageBoxes.h"

namespace quorvex::test {
namespace {

TEST(MessageBoxes, CarryTheProgramsTitleAndHelpButtonAndReturnTheAnswer) {
    DialogAnswerer answerer("Quorvex", IDNO);
    const int answer = ShowMessageBox(nullptr, {.text = "Proceed?", .style = MB_YESNO | MB_ICONQUESTION});
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(answerer.Text(), "Proceed?");
    EXPECT_TRUE(answerer.HadButton(IDYES));
    EXPECT_TRUE(answerer.HadButton(IDNO));
    EXPECT_TRUE(answerer.HadButton(IDHELP));
}

TEST(MessageBoxes, CanGoWithoutHelpButtonAndWithAnotherTitle) {
    DialogAnswerer answerer("Choose a Folder...", IDOK);
    const int answer = ShowMessageBox(
        nullptr, {.text = "Not valid.", .style = MB_OK | MB_ICONEXCLAMATION, .title = "Choose a Folder...",
                  .helpButton = false});
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answer, IDOK);
    EXPECT_FALSE(answerer.HadButton(IDHELP));
}

}  // namespace
}  // namespace quorvex::test
