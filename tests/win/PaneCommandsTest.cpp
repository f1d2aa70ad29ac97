#include <string>

#include "MainFormFixture.h"
#include "platform/FileSystem.h"
#include "platform/OpenSaveDialogs.h"

namespace quorvex::test {
namespace {

const char kOpenTitle[] = "Select a file to compare";
const char kSaveTitle[] = "Save List As";
const char kSameFile[] =
    "You've selected the same file for both sides; are you sure you want to compare this file with itself?";

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class PaneCommands : public MainFormTest {
protected:
    // Clicks and answers the dialogs that follow; returns the last message.
    std::string ClickAnswering(HWND button, std::vector<DialogStep> steps) {
        const std::size_t last = steps.size() - 1;
        DialogAnswerer answerer(std::move(steps));
        Click(button);
        EXPECT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Unexpected(), "");
        return answerer.Text(last);
    }
    HWND Button(int base, int pane) const { return Item(base + pane); }

    TempFolder folder_;
};

TEST_F(PaneCommands, OpenLoadsTheFileChosenInTheDialog) {
    const std::string path = folder_.Write("left.txt", "one\r\ntwo");
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}});
    EXPECT_EQ(TextOf(Textbox(0)), "one\r\ntwo");
    EXPECT_TRUE(StatusBecomes(0, "2 items - " + path));
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDCANCEL, "ignored"}});
    EXPECT_EQ(TextOf(Textbox(0)), "one\r\ntwo");
}

TEST_F(PaneCommands, FileEntryOfTheDropDownOpensAFile) {
    const std::string path = folder_.Write("right.txt", "x");
    DialogAnswerer answerer({{kOpenTitle, IDOK, path}});
    MenuAnswerer menu(0);
    Click(BtnOpenDropDown(1));
    EXPECT_TRUE(answerer.Answered());
    EXPECT_EQ(TextOf(Textbox(1)), "x");
}

TEST_F(PaneCommands, OpeningTheFileOfTheOtherPaneAsksFirst) {
    const std::string path = folder_.Write("same.txt", "s");
    form_->OpenFile(path, 1);
    Paste(Textbox(1), "edited");
    ClickAnswering(BtnOpen(1), {{kOpenTitle, IDOK, path}});  // the same pane's own file asks nothing
    EXPECT_EQ(TextOf(Textbox(1)), "s");
    EXPECT_EQ(ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}, {"Quorvex", IDNO}}), kSameFile);
    EXPECT_EQ(TextOf(Textbox(0)), "");
    ClickAnswering(BtnOpen(0), {{kOpenTitle, IDOK, path}, {"Quorvex", IDYES}});
    EXPECT_EQ(TextOf(Textbox(0)), "s");
}

TEST_F(PaneCommands, CopyTakesTheTextOrTheResultList) {
    Paste(Textbox(0), "b\r\na\r\nc");
    Paste(Textbox(1), "a\r\nb");
    Click(Button(control::kBtnCopy, 0));
    EXPECT_EQ(ClipboardText(), "b\r\na\r\nc");
    ClickCompare(0);
    Click(Button(control::kBtnCopy, 0));
    EXPECT_EQ(ClipboardText(), "a\r\nb\r\n");
}

TEST_F(PaneCommands, EmptyContentIsNeitherCopiedNorSaved) {
    DialogAnswerer answerer({{"Quorvex", IDOK}, {"Quorvex", IDOK}});
    Click(Button(control::kBtnCopy, 1));
    Click(Button(control::kBtnSave, 1));
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answerer.Text(0), "Nothing to copy.");
    EXPECT_EQ(answerer.Text(1), "Nothing to save.");
    EXPECT_TRUE(answerer.HadButton(IDHELP, 1));
}

TEST_F(PaneCommands, SaveWritesTheTextOrTheResultListAsItIs) {
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

TEST_F(PaneCommands, SavingOverTheFileOfTheOtherPaneAsksFirst) {
    const std::string path = folder_.Write("right.txt", "original");
    form_->OpenFile(path, 1);
    Paste(Textbox(0), "new");
    ClickAnswering(Button(control::kBtnSave, 0), {{kSaveTitle, IDOK, path}, {kSaveTitle, IDYES}, {"Quorvex", IDNO}});
    EXPECT_EQ(ReadWholeFile(path).bytes, "original");
    ClickAnswering(Button(control::kBtnSave, 0), {{kSaveTitle, IDOK, path}, {kSaveTitle, IDYES}, {"Quorvex", IDYES}});
    EXPECT_EQ(ReadWholeFile(path).bytes, "new");
}

}  // namespace
}  // namespace quorvex::test
