#include <string>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/OpenSaveDialogs.h"

namespace quorvex::test {
namespace {

const char kOpenTitle[] = "Select a file to compare";
const char kSaveTitle[] = "Save List As";

std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)))) text = chars;
        GlobalUnlock(GetClipboardData(CF_TEXT));
        CloseClipboard();
    }
    return text;
}

class PaneCommands : public MainFormTest {
protected:
    // Clicks and answers the dialogs that follow; returns the last message.
    std::string ClickAnswering(HWND button, std::vector<Step> steps) {
        Answerer answerer(steps);
        Click(button);
        EXPECT_TRUE(answerer.Answered(0));
        EXPECT_EQ(answerer.Unexpected(), "");
        return answerer.Text(steps.size() - 1);
    }
    HWND Button(int base, int pane) const { return Item(base + pane); }

    TempFolder folder_;
};

TEST_F(PaneCommands, OpenAndItsFileEntryLoadTheFileChosenInTheDialog) {
    const std::string path = folder_.Write("left.txt", "one\r\ntwo");
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}});
    EXPECT_EQ(TextOf(Textbox(0)), "one\r\ntwo");
    EXPECT_TRUE(StatusBecomes(0, "2 items - " + path));
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDCANCEL, "ignored"}});
    EXPECT_EQ(TextOf(Textbox(0)), "one\r\ntwo");
    ClickAnswering(BtnOpenDropDown(1), {{"", 0}, {kOpenTitle, IDOK, folder_.Write("right.txt", "x")}});
    EXPECT_EQ(TextOf(Textbox(1)), "x");
}

TEST_F(PaneCommands, OpeningTheFileOfTheOtherPaneAsksFirst) {
    const std::string path = folder_.Write("same.txt", "s");
    form_->OpenFile(path, 1);
    Paste(Textbox(1), "edited");
    ClickAnswering(BtnOpen(1), {{kOpenTitle, IDOK, path}});  // the same pane's own file asks nothing
    EXPECT_EQ(TextOf(Textbox(1)), "s");
    EXPECT_EQ(ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}, {"Quorvex", IDNO}}),
              "You've selected the same file for both sides; are you sure you want to compare this file with itself?");
    EXPECT_EQ(TextOf(Textbox(0)), "");
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}, {"Quorvex", IDYES}});
    EXPECT_EQ(TextOf(Textbox(0)), "s");
}

TEST_F(PaneCommands, CopyTakesTheTextOrTheResultListAndNeverNothing) {
    EXPECT_EQ(ClickAnswering(Button(control::kBtnCopy, 0), {{"Quorvex", IDOK}}), "Nothing to copy.");
    Paste(Textbox(0), "b\r\na\r\nc");
    Paste(Textbox(1), "a\r\nb");
    Click(Button(control::kBtnCopy, 0));
    EXPECT_EQ(ClipboardText(), "b\r\na\r\nc");
    ClickCompare(0);
    Click(Button(control::kBtnCopy, 0));
    EXPECT_EQ(ClipboardText(), "a\r\nb\r\n");
}

TEST_F(PaneCommands, SaveWritesTheTextOrTheResultListAsItIs) {
    Answerer nothing({{"Quorvex", IDOK}});
    Click(Button(control::kBtnSave, 1));
    EXPECT_EQ(nothing.Text(), "Nothing to save.");
    EXPECT_TRUE(nothing.HadHelp());
    Paste(Textbox(0), "b\r\na");
    Paste(Textbox(1), "a");
    const std::string typed = folder_.Path() + "\\saved";  // the dialog adds .txt
    ClickAnswering(Button(control::kBtnSave, 0), {{kSaveTitle, IDOK, typed}});
    EXPECT_EQ(ReadWholeFile(typed + ".txt").bytes, "b\r\na");
    ClickCompare(1);
    ClickAnswering(Button(control::kBtnSave, 0), {{kSaveTitle, IDOK, typed + ".txt"}, {kSaveTitle, IDYES}});
    EXPECT_EQ(ReadWholeFile(typed + ".txt").bytes, "b\r\n");
    EXPECT_TRUE(IsNewComdlg());
}

}  // namespace
}  // namespace quorvex::test
