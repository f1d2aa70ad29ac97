#include <shlobj.h>

#include <cstring>
#include <string>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

class FileLoading : public MainFormTest {
protected:
    TempFolder folder_;
};

// A text box holds no zero byte: a binary file shows up to its first.
TEST_F(FileLoading, ShowsTheBytesWithCrLfAndNamesTheFileWhatEverItHolds) {
    const std::string path = folder_.Write("fruit.txt", "\xE9t\xE9\nkiwi\n");
    form_->OpenFile(path, 1);
    EXPECT_EQ(TextOf(Textbox(1)), "\xE9t\xE9\r\nkiwi\r\n");
    Type(Textbox(1), "fig");
    EXPECT_TRUE(StatusBecomes(1, "3 items - " + path));
    for (const auto& [file, shown] : {std::pair{folder_.Path() + "\\missing.txt", ""}, {folder_.MakeFolder("folder"), ""},
                                      {folder_.Write("binary", std::string("\xE9\r\0x\n", 5)), "\xE9\r"}}) {
        form_->OpenFile(file, 0);
        EXPECT_EQ(TextOf(Textbox(0)), shown);
        EXPECT_TRUE(StatusBecomes(0, "1 items - " + file));
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
    DWORD start = 0, end = 0;
    SendMessageA(Textbox(0), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, GetWindowTextLength(Textbox(0)));
}

}  // namespace
}  // namespace quorvex::test
