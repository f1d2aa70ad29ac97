#include <string>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

using PaneStatus = MainFormTest;

const char kPrompt[] = "Type a list or open a file or folder to compare";

TEST_F(PaneStatus, EachChangeStartsTheIntervalAnew) {
    Type(Textbox(1), "one\r\n");
    EXPECT_EQ(TextOf(Status(1)), kPrompt);  // the tick has not run yet
    Sleep(80);                               // the first interval is over, its tick still queued
    Type(Textbox(1), "two");
    PumpFor(0);
    EXPECT_EQ(TextOf(Status(1)), kPrompt);
    EXPECT_TRUE(StatusBecomes(1, "2 items"));
    EXPECT_EQ(TextOf(Status(0)), kPrompt);
}

TEST_F(PaneStatus, AnEmptiedPaneCountsOneItemAndForgetsItsSource) {
    TempFolder folder;
    const std::string path = folder.Write("list.txt", "a\r\nb");
    form_->OpenFile(path, 0);
    ASSERT_TRUE(StatusBecomes(0, "2 items - " + path));
    Paste(Textbox(0), "");
    EXPECT_TRUE(StatusBecomes(0, "1 items"));
}

}  // namespace
}  // namespace quorvex::test
