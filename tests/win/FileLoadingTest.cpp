#include <string>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

class FileLoading : public MainFormTest {
protected:
    TempFolder folder_;
};

TEST_F(FileLoading, ShowsTheBytesWithCrLfAndNamesTheFileEvenWhenEdited) {
    const std::string path = folder_.Write("fruit.txt", "\xE9t\xE9\nkiwi\n");
    form_->OpenFile(path, 1);
    EXPECT_EQ(TextOf(Textbox(1)), "\xE9t\xE9\r\nkiwi\r\n");
    EXPECT_TRUE(StatusBecomes(1, "2 items - " + path));
    Type(Textbox(1), "fig");
    EXPECT_TRUE(StatusBecomes(1, "3 items - " + path));
}

TEST_F(FileLoading, EmptyOrMissingFileEmptiesThePaneAndStillNamesIt) {
    for (const std::string& path : {folder_.Write("empty.txt", ""), folder_.Path() + "\\missing.txt"}) {
        Paste(Textbox(0), "old");
        form_->OpenFile(path, 0);
        EXPECT_EQ(TextOf(Textbox(0)), "");
        EXPECT_TRUE(StatusBecomes(0, "1 items - " + path));
    }
}

TEST_F(FileLoading, AsksBeforeLoadingMoreThan50000Bytes) {
    const std::string exact = folder_.Write("exact.txt", std::string(50000, 'x'));
    const std::string large = folder_.Write("large.txt", std::string(50001, 'y'));
    Answerer answerer({{"Quorvex", IDNO}, {"Quorvex", IDYES}});
    form_->OpenFile(exact, 0);
    EXPECT_EQ(answerer.Unexpected(), "");
    form_->OpenFile(large, 0);
    EXPECT_EQ(answerer.Text(),
              "Warning: the file you've opened is quite large, which may cause Quorvex to run more slowly or even stop "
              "responding.  Do you want to proceed?");
    EXPECT_TRUE(answerer.HadHelp());
    EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 50000);  // unchanged, and so is its source
    EXPECT_TRUE(StatusBecomes(0, "1 items - " + exact));
    form_->OpenFile(large, 0);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 50001);
}

const char kPrompt[] = "Type a list or open a file or folder to compare";

TEST_F(FileLoading, EachChangeStartsTheIntervalAnew) {
    Type(Textbox(1), "one\r\n");
    EXPECT_EQ(TextOf(Status(1)), kPrompt);  // the tick has not run yet
    Sleep(80);                               // the first interval is over, its tick still queued
    Type(Textbox(1), "two");
    PumpFor(0);
    EXPECT_EQ(TextOf(Status(1)), kPrompt);
    EXPECT_TRUE(StatusBecomes(1, "2 items"));
    EXPECT_EQ(TextOf(Status(0)), kPrompt);
}

TEST_F(FileLoading, AnEmptiedPaneCountsOneItemAndForgetsItsSource) {
    const std::string path = folder_.Write("list.txt", "a\r\nb");
    form_->OpenFile(path, 0);
    ASSERT_TRUE(StatusBecomes(0, "2 items - " + path));
    Paste(Textbox(0), "");
    EXPECT_TRUE(StatusBecomes(0, "1 items"));
}

}  // namespace
}  // namespace quorvex::test
