#include <string>

#include "MainFormFixture.h"
#include "folderbrowse/FolderChoice.h"
#include "folderbrowse/win32/FolderBrowse.h"
#include "platform/win32/Registry.h"

namespace quorvex::test {
namespace {

class FolderBrowseTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        top_ = folder_.MakeFolder("top");
        folder_.Write("top\\a.txt", "");
        folder_.MakeFolder("top\\S");
        FolderLastChosen() = top_;
    }
    // Opens "Open Folder..." of a pane and does `choose` in the browser.
    void OpenFolder(int pane, const std::function<void(HWND form, HWND tree)>& choose, std::vector<Step> after = {}) {
        std::vector<Step> steps{{"", 1}, {.title = "", .button = 0, .action = [&] {
                                              const HWND form = FindWindowA(FolderBrowse::kClassName, nullptr);
                                              if (!form || !IsWindowVisible(form)) return false;
                                              choose(form, FindWindowExA(form, nullptr, WC_TREEVIEWA, nullptr));
                                              return true;
                                          }}};
        steps.insert(steps.end(), after.begin(), after.end());
        Answerer answerer(steps);
        Click(BtnOpenDropDown(pane));
        EXPECT_TRUE(answerer.Answered(0));
        EXPECT_EQ(answerer.Unexpected(), "");
    }
    static HWND Button(HWND form, const char* caption) { return FindWindowExA(form, nullptr, "Button", caption); }
    static std::string Selected(HWND tree) {
        char text[MAX_PATH] = {};
        TVITEMA item{TVIF_TEXT, TreeView_GetSelection(tree), 0, 0, text, MAX_PATH, 0, 0, 0, 0};
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    std::string top_;
};

// Alt and the marked letter press the button, through the form's keys.
TEST_F(FolderBrowseTest, AcceptListsTheChosenFolderIntoThePane) {
    OpenFolder(1,
               [&](HWND, HWND tree) {
                   EXPECT_EQ(Selected(tree), "top");  // the folder chosen last
                   // Its caption shows the program's icon, as the main form's does.
                   EXPECT_EQ(GetClassLongPtrA(GetParent(tree), GCLP_HICONSM), GetClassLongPtrA(Form(), GCLP_HICONSM));
                   PostMessageA(tree, WM_SYSCHAR, 'a', 0x20000001);
               },
               {{"Compare Folders", IDNO}});
    EXPECT_EQ(TextOf(Textbox(1)), "a.txt\r\nS\\\r\n");
    EXPECT_EQ(FolderLastChosen(), top_);
}

// Esc cancels; the browser keeps its minimum size; Help says the help is
// missing when it is.
TEST_F(FolderBrowseTest, CancelForgetsTheChoiceAndTheCloseBoxKeepsIt) {
    HWND tree = nullptr;
    OpenFolder(0,
               [&](HWND form, HWND explorer) {
                   tree = explorer;
                   SetWindowPos(form, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
                   RECT r{};
                   GetWindowRect(form, &r);
                   EXPECT_EQ(r.right - r.left, 270 - 8 + 2 * GetSystemMetrics(SM_CXFRAME));
                   EXPECT_EQ(r.bottom - r.top,
                             270 - 25 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
                   PostMessageA(Button(form, "&Help"), BM_CLICK, 0, 0);
               },
               {{"Quorvex", IDOK}, {"", 0, {}, [&] { return PostMessageA(tree, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }}});
    EXPECT_EQ(FolderLastChosen(), "");
    EXPECT_EQ(TextOf(Textbox(0)), "");
    FolderLastChosen() = top_ + "\\S\\gone";  // preselects its nearest existing parent
    OpenFolder(0, [&](HWND form, HWND tree) {
        EXPECT_EQ(Selected(tree), "S");
        SendMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(FolderLastChosen(), top_ + "\\S\\gone");
}

TEST_F(FolderBrowseTest, TheDesktopIsTheUsersDesktopFolderAndVirtualFoldersCannotBeChosen) {
    SaveRegString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop",
                  top_);
    OpenFolder(0,
               [&](HWND form, HWND tree) {
                   const HTREEITEM desktop = TreeView_GetRoot(tree);
                   TreeView_SelectItem(
                       tree, TreeView_GetNextSibling(tree, TreeView_GetChild(tree, desktop)));  // the computer
                   EXPECT_EQ(Selected(tree), "My Computer");
                   EXPECT_FALSE(IsWindowEnabled(Button(form, "&Accept")));
                   NMHDR activation{tree, 100, NM_DBLCLK};
                   SendMessageA(form, WM_NOTIFY, activation.idFrom, reinterpret_cast<LPARAM>(&activation));
                   EXPECT_TRUE(IsWindow(form));                                       // nothing happened
                   SendMessageA(form, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);  // one notch up: the item above
                   PumpFor(50);
                   EXPECT_EQ(Selected(tree), "My Documents");
                   TreeView_SelectItem(tree, desktop);
                   PostMessageA(tree, WM_KEYDOWN, VK_RETURN, 0x001C0001);  // Enter presses Accept
               },
               {{"Compare Folders", IDNO}});
    EXPECT_EQ(FolderLastChosen(), top_ + "\\");
    EXPECT_EQ(TextOf(Textbox(0)), "a.txt\r\nS\\\r\n");
}

}  // namespace
}  // namespace quorvex::test
