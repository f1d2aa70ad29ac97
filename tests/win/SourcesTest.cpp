// How the panes get their lists in a real window: the handed-over list on
// the command line, files, drops, folder listings and the panes' commands.
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/OpenSaveDialogs.h"

namespace quorvex::test {
namespace {

// The form started as another program starts it, with a handed-over list
// read by the system's profile reader. The list is named without a folder,
// which the profile reader alone would look for in the Windows folder: the
// list read and the one deleted are the working folder's.
class CommandLineTest : public MainFormTest {
protected:
    void SetUp() override {}
    void Start(const std::string& files) {
        list_ = folder_.Write("list.ini", "[Files]\r\n" + files);
        SetCurrentDirectoryA(folder_.Path().c_str());
        form_ = Quorvex::Create(GetModuleHandleA(nullptr), "/Flist.ini");
        ASSERT_NE(form_, nullptr);
        form_->Show();
    }

    std::string list_;
};

TEST_F(CommandLineTest, TwoFilesAreLoadedAndSaidIdenticalWhenTheyAre) {
    const std::string a = folder_.Write("a.txt", "x\r\ny"), b = folder_.Write("b.txt", "x\r\ny");
    Answerer answerer({{"Quorvex", IDOK}});
    Start("File1=" + a + "\r\nFile2=" + b + "\r\n");
    EXPECT_EQ(answerer.Text(), "Files are identical.");
    EXPECT_TRUE(answerer.HadHelp());
    EXPECT_EQ(TextOf(Textbox(1)), "x\r\ny");
    EXPECT_FALSE(FileLength(list_));  // consumed
}

// The system's collation takes the two names for one; only letter case
// makes a repeat. The panes differ, so nothing is said.
TEST_F(CommandLineTest, NamesThatDifferBeyondLetterCaseAreTwo) {
    const std::string a = folder_.Write("Masse.txt", "a"), b = folder_.Write("Ma\337e.txt", "b");
    Answerer nothing({});
    Start("File1=" + a + "\r\nFile2=" + b + "\r\n");
    EXPECT_EQ(TextOf(Textbox(0)) + TextOf(Textbox(1)), "ab");
    PumpFor(100);
    EXPECT_EQ(nothing.Unexpected(), "");
}

using FileLoading = MainFormTest;

// A text box holds no zero byte: a binary file shows up to its first. The
// status names each file (the model's tests).
TEST_F(FileLoading, ShowsTheBytesWithCrLfWhatEverTheFileHolds) {
    const std::string path = folder_.Write("fruit.txt", "\xE9t\xE9\nkiwi\n");
    form_->OpenFile(path, 1);
    EXPECT_EQ(TextOf(Textbox(1)), "\xE9t\xE9\r\nkiwi\r\n");
    for (const auto& [file, shown] : {std::pair{folder_.Path() + "\\missing.txt", ""},
                                      {folder_.MakeFolder("folder"), ""},
                                      {folder_.Write("binary", std::string("\xE9\r\0x\n", 5)), "\xE9\r"}}) {
        form_->OpenFile(file, 0);
        EXPECT_EQ(TextOf(Textbox(0)), shown);
    }
}

TEST_F(FileLoading, AsksBeforeLoadingMoreThan50000Bytes) {
    const std::string large = folder_.Write("large.txt", std::string(50001, 'y'));
    Answerer answerer({{"Quorvex", IDNO}});
    form_->OpenFile(large, 0);
    EXPECT_EQ(answerer.Text(),
              "Warning: the file you've opened is quite large, which may cause Quorvex to run more slowly or even stop "
              "responding.  Do you want to proceed?");
    EXPECT_TRUE(answerer.HadHelp());
    EXPECT_EQ(TextOf(Textbox(0)), "");
}

// Posted as the shell of Windows 2000 and later posts it: a DROPFILES block
// of wide names in global memory.
void Drop(HWND window, int x, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) names += std::wstring(path.begin(), path.end()) + L'\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->pt = {x, 10};
    files->fWide = TRUE;
    std::memcpy(files + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(FileLoading, OneDroppedFileOpensInAnEmptyPaneOtherwiseNamesAreAddedAndSelected) {
    const std::string path = folder_.Write("list.txt", "x\r\ny");
    RECT client{};
    GetClientRect(Form(), &client);
    Drop(Form(), client.right - 5, {path});
    EXPECT_TRUE(PumpUntil([&] { return TextOf(Textbox(1)) == "x\r\ny"; }));
    Paste(Textbox(0), "old");
    Drop(Form(), 5, {path, folder_.Path()});
    const std::string folderName = folder_.Path().substr(folder_.Path().find_last_of('\\') + 1);
    EXPECT_TRUE(PumpUntil([&] { return TextOf(Textbox(0)) == "old\r\nlist.txt\r\n" + folderName; }));
    EXPECT_EQ(Selection(Textbox(0)), std::make_pair(3ul, static_cast<DWORD>(GetWindowTextLength(Textbox(0)))));
}

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
    EXPECT_EQ(ReadWholeFile(typed + ".txt", kNoLimit, kNoLimit).bytes, "b\r\na");
    ClickCompare(1);
    Click(Item(control::kBtnCopy));
    EXPECT_EQ(ClipboardText(), "b\r\n");
    ClickAnswering(Item(control::kBtnSave), {{kSaveTitle, IDOK, typed + ".txt"}, {kSaveTitle, IDYES}});
    EXPECT_EQ(ReadWholeFile(typed + ".txt", kNoLimit, kNoLimit).bytes, "b\r\n");
    EXPECT_TRUE(IsNewComdlg());
}

using Lines = std::vector<std::string>;

Lines LinesOf(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

class FolderListing : public MainFormTest {
protected:
    // top: a.txt, S\, b.txt; S: c.txt, U\; U: d.txt
    void SetUp() override {
        MainFormTest::SetUp();
        top_ = folder_.MakeFolder("top");
        for (const char* file : {"top\\a.txt", "top\\b.txt", "top\\S\\c.txt", "top\\S\\U\\d.txt"})
            folder_.Write(file, "");
    }
    // Lists a folder answering the question with `answer`, or expecting none
    // when it is 0.
    Lines Listing(const std::string& path, int answer) {
        Answerer answerer(answer ? std::vector<Step>{{"Compare Folders", answer}} : std::vector<Step>{});
        form_->AddListing(path, 0, "");
        EXPECT_TRUE(answerer.Answered(0));
        EXPECT_EQ(answerer.Unexpected(), "");
        question_ = answer ? answerer.Text() : "";
        return LinesOf(TextOf(Textbox(0)));
    }

    std::string top_;
    std::string question_;
};

TEST_F(FolderListing, ListsTheWholeTreeRelativeToTheTopWhenTheUserAgrees) {
    const Lines lines = Listing(top_ + "\\", IDYES);
    EXPECT_EQ(question_.substr(0, question_.find("(warning")),
              "The folder:\r\n\r\n" + top_ +
                  "\\\r\n\r\ncontains at least one subfolder. Do you want to recurse all "
                  "subfolders and include their contents in the comparison?\r\n\r\n");
    EXPECT_EQ(Sorted(lines), Sorted({"a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt"}));
    // A folder's own entries come before anything below them.
    const auto position = [&](const char* line) { return std::find(lines.begin(), lines.end(), line); };
    for (const char* top : {"a.txt", "S\\", "b.txt"}) EXPECT_LT(position(top), position("\\S\\c.txt"));
    EXPECT_LT(position("\\S\\U\\"), position("\\S\\U\\d.txt"));
    EXPECT_TRUE(StatusBecomes(0, "6 items - contents of " + top_ + "\\"));  // the path as passed
    // No keeps the subfolders' lines but lists nothing inside them.
    EXPECT_EQ(Sorted(Listing(top_, IDNO)), Sorted({"a.txt", "S\\", "b.txt"}));
}

// Hidden and system files are listed; a folder without subfolders asks
// nothing.
TEST_F(FolderListing, ListsHiddenAndSystemFilesAndAsksOnlyAboutSubfolders) {
    SetFileAttributesA((top_ + "\\S\\U\\d.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(Listing(top_ + "\\S\\U", 0), Lines{"d.txt"});
}

// A link to a sibling is listed like a folder of its own; a link back to an
// ancestor, or above the top folder, gets its line but is not followed, also
// when the top folder is named relative to the current one.
TEST_F(FolderListing, LinksAreFollowedUnlessTheyLeadBackUp) {
    if (!folder_.MakeFolderLink("top\\S\\U\\back", "..\\..") || !folder_.MakeFolderLink("top\\L", "S") ||
        !folder_.MakeFolderLink("top\\S\\up", "..\\.."))
        GTEST_SKIP() << "cannot make a folder link here";
    const Lines lines =
        Sorted({"a.txt", "S\\", "b.txt", "L\\", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt", "\\S\\U\\back\\",
                "\\S\\up\\", "\\L\\c.txt", "\\L\\U\\", "\\L\\U\\d.txt", "\\L\\U\\back\\", "\\L\\up\\"});
    EXPECT_EQ(Sorted(Listing(top_, IDYES)), lines);
    SetCurrentDirectoryA(folder_.Path().c_str());
    EXPECT_EQ(Sorted(Listing("top", IDYES)), lines);
}

// A full path too long to climb by adding "..\" to it still has the drive's
// root above it.
TEST_F(FolderListing, LinksAboveALongTopFolderAreNotFollowed) {
    const std::string deep(249 - folder_.Path().size(), 'd');
    std::string root;  // one ".." for each backslash of the link's folder
    for (char c : folder_.MakeFolder(deep)) root += c == '\\' ? "..\\" : "";
    if (!folder_.MakeFolderLink(deep + "\\root", root)) GTEST_SKIP() << "cannot make a folder link here";
    EXPECT_EQ(Listing(folder_.Path() + "\\" + deep, IDYES), Lines{"root\\"});
}

// A folder whose name the code page cannot spell cannot be read by that
// name, so it is written as a file and nothing in it is listed.
TEST_F(FolderListing, AFolderNamedOutsideTheCodePageIsWrittenAsAFile) {
    const std::wstring folder = std::wstring(top_.begin(), top_.end()) + L"\\S\\\u4E2D\u6587dir";
    CreateDirectoryW(folder.c_str(), nullptr);
    CloseHandle(CreateFileW((folder + L"\\in.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    const Lines lines = Listing(top_, IDYES);
    DeleteFileW((folder + L"\\in.txt").c_str());
    RemoveDirectoryW(folder.c_str());
    EXPECT_EQ(Sorted(lines),
              Sorted({"a.txt", "S\\", "b.txt", "\\S\\c.txt", "\\S\\U\\", "\\S\\U\\d.txt", "\\S\\??dir"}));
}

}  // namespace
}  // namespace quorvex::test
