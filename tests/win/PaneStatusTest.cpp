#include <string>

#include "MainFormFixture.h"
#include "app/ProgramValues.h"

namespace quorvex::test {
namespace {

using PaneStatus = MainFormTest;

TEST_F(PaneStatus, TypingWritesTheCountOnlyWhenTheTimerFires) {
    Type(Textbox(1), "one\r\ntwo\r\n");
    // The change only restarted the timer; its tick has not run yet.
    EXPECT_EQ(TextOf(Status(1)), "Type a list or open a file or folder to compare");
    EXPECT_TRUE(StatusBecomes(1, "2 items"));
    EXPECT_EQ(TextOf(Status(0)), "Type a list or open a file or folder to compare");
}

TEST_F(PaneStatus, CountsItemsAsTheTextBoxShowsThem) {
    const std::pair<const char*, const char*> rows[] = {
        {"a\r\n   \r\nb\r\n", "3 items"}, {"a\r\n\r\n\r\nb\r\n\r\n", "2 items"}, {"\r\n\r\n", "1 items"}};
    for (const auto& [text, status] : rows) {
        Paste(Textbox(0), text);
        EXPECT_TRUE(StatusBecomes(0, status)) << text;
    }
}

TEST_F(PaneStatus, AnEmptiedPaneCountsOneItem) {
    Paste(Textbox(0), "a\r\nb");
    ASSERT_TRUE(StatusBecomes(0, "2 items"));
    Paste(Textbox(0), "");
    EXPECT_TRUE(StatusBecomes(0, "1 items"));
}

TEST_F(PaneStatus, ChangesDuringAListingStartNoTimer) {
    Program().listingInProgress = true;
    Paste(Textbox(0), "a\r\nb");
    Program().listingInProgress = false;
    // The right pane's timer starts later; once it has fired, a timer of the
    // left pane would have fired too.
    Type(Textbox(1), "c");
    ASSERT_TRUE(StatusBecomes(1, "1 items"));
    EXPECT_EQ(TextOf(Status(0)), "Type a list or open a file or folder to compare");
}

}  // namespace
}  // namespace quorvex::test
