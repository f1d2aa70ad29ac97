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

    TempFolder folder_;
};

TEST_F(PaneCommands, OpenAndItsFileEntryLoadTheFileChosenInTheDialog) {
    const std::string path = folder_.Write("left.txt", "one\r\ntwo");
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}});
    EXPECT_TRUE(StatusBecomes(0, "2 items - " + path));
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDCANCEL, "ignored"}});
    EXPECT_EQ(TextOf(Textbox(0)), "one\r\ntwo");
    EXPECT_EQ(ClickAnswering(BtnOpenDropDown(1), {{"", 0}, {kOpenTitle, IDOK, path}, {"Quorvex", IDNO}}),
              "You've selected the same file for both sides; are you sure you want to compare this file with itself?");
    EXPECT_EQ(TextOf(Textbox(1)), "");
}

TEST_F(PaneCommands, CopyAndSaveTakeTheTextOrTheResultListAndNeverNothing) {
    EXPECT_EQ(ClickAnswering(Item(control::kBtnCopy), {{"Quorvex", IDOK}}), "Nothing to copy.");
    EXPECT_EQ(ClickAnswering(Item(control::kBtnSave + 1), {{"Quorvex", IDOK}}), "Nothing to save.");
    Paste(Textbox(0), "b\r\na");
    Paste(Textbox(1), "a");
    Click(Item(control::kBtnCopy));
    EXPECT_EQ(ClipboardText(), "b\r\na");
    const std::string typed = folder_.Path() + "\\saved";  // the dialog adds .txt
    ClickAnswering(Item(control::kBtnSave), {{kSaveTitle, IDOK, typed}});
    EXPECT_EQ(ReadWholeFile(typed + ".txt").bytes, "b\r\na");
    ClickCompare(1);
    Click(Item(control::kBtnCopy));
    EXPECT_EQ(ClipboardText(), "b\r\n");
    ClickAnswering(Item(control::kBtnSave), {{kSaveTitle, IDOK, typed + ".txt"}, {kSaveTitle, IDYES}});
    EXPECT_EQ(ReadWholeFile(typed + ".txt").bytes, "b\r\n");
    EXPECT_TRUE(IsNewComdlg());
}

}  // namespace
}  // namespace quorvex::test
