// The main window's settings and placement, its help, its closing, its
// synchronised scrolling and the subclassing under them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "MainFormFixture.h"
#include "folderbrowse/win32/FolderBrowse.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Registry.h"
#include "window/Twips.h"
#include "window/win32/Subclass.h"

namespace quorvex::test {
namespace {

// The form reads its settings at start: each test stores them first.
class Settings : public MainFormTest {
protected:
    void SetUp() override {
        if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    }
    // Where the form opens: left, top, width, height.
    std::vector<LONG> Opened() {
        MainFormTest::SetUp();
        RECT r{};
        GetWindowRect(Form(), &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
};

// Maximized, the place it had restored; at a log-off too, which sends no
// WM_CLOSE.
TEST_F(Settings, TheWindowReopensWhereAndAsLargeAsItWasClosed) {
    Opened();
    MoveWindow(Form(), -30, 40, 600, 450, TRUE);  // partly off the screen, and put back so
    ShowWindow(Form(), SW_MAXIMIZE);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height"), "6750");  // twips
    EXPECT_EQ(Opened(), (std::vector<LONG>{-30, 40, 600, 450}));
    MoveWindow(Form(), 60, 70, 610, 460, TRUE);
    EXPECT_TRUE(SendMessageA(Form(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(Form(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(GetPropA(Textbox(0), "OldWndProc"), nullptr);  // the closing ran
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Opened(), (std::vector<LONG>{60, 70, 610, 460}));
}

// A height lost or too small opened a bare caption, which the closing stored
// again; the least size is the one the form gives a drag.
TEST_F(Settings, TheWindowOpensNoSmallerThanADragLeavesItAndIsStoredSo) {
    for (auto [width, height, opens] : {std::tuple{"8250", "", 550L}, {"3000", "1500", 0L}}) {
        SaveRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.width", width);
        if (*height) SaveRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height", height);
        for (const char* round : {"opened", "reopened"}) {
            const std::vector<LONG> opened = Opened();
            MINMAXINFO least{};
            SendMessageA(Form(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&least));
            const std::vector<LONG> expected{0, 0, std::max(opens, least.ptMinTrackSize.x), least.ptMinTrackSize.y};
            EXPECT_EQ(opened, expected) << width << " " << round;
            SendMessageA(Form(), WM_CLOSE, 0, 0);
        }
    }
}

// A close that comes while the program asks something (another program
// closes it) ends it all the same, and the placement is written.
TEST_F(Settings, ClosingWhileAMessageOrADialogIsOpenEndsCleanly) {
    const std::string large = folder_.Write("large.txt", std::string(50001, 'x'));
    for (auto [button, steps, className, title] :
         {std::tuple{control::kBtnOpen, std::vector<Step>{{"Select a file to compare", IDOK, large}}, "#32770",
                     "Quorvex"},  // the large-file question, in the middle of a load
          {control::kBtnOpen, std::vector<Step>{}, "#32770", "Select a file to compare"},
          {control::kBtnSave, std::vector<Step>{}, "#32770", "Save List As"},
          {control::kBtnOpenDropDown, std::vector<Step>{{"", 1}}, FolderBrowse::kClassName, FolderBrowse::kCaption}}) {
        Opened();
        Paste(Textbox(0), "x");
        MoveWindow(Form(), 30, 40, 600, 450, TRUE);
        const HWND form = Form();
        steps.push_back(
            {"", 0, {}, [&] { return FindWindowA(className, title) && PostMessageA(form, WM_CLOSE, 0, 0); }});
        Answerer closer(steps);
        SendMessageA(GetDlgItem(form, button), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindow(form)) << title;
        EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height"), "6750");
    }
}

// Help and F1 open the suite's help file at the form's context; the help
// window goes with the main window.
TEST_F(Settings, HelpOpensTheSuitesHelpFileOrSaysItIsMissing) {
    Opened();
    Answerer answerer({{"Quorvex", IDOK}, {"Quorvex", IDOK}});
    Click(Item(control::kBtnHelp));
    SendMessageA(Form(), WM_HELP, 0, 0);
    ASSERT_TRUE(answerer.Answered(0));
    EXPECT_EQ(answerer.Text(1), "Help file not found.  Orlenti Vantoria has not been properly installed");
    EXPECT_FALSE(answerer.HadHelp(1));
    // A hidden help file is no help file.
    const std::string hidden = folder_.Write("mivo.chm", "");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SaveRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orlenti\\Vantoria", "InstallPath", folder_.Path());
    Opened();
    Answerer missing({{"Quorvex", IDOK}});
    Click(Item(control::kBtnHelp));
    EXPECT_TRUE(missing.Answered(0));
    SaveRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orlenti\\Vantoria", "InstallPath", "  " + BesideTests("") + " ");
    Opened();
    Click(Item(control::kBtnHelp));
    const HWND help = FindWindowA("HH Parent", nullptr);  // the viewer opens only at a context the file has
    ASSERT_NE(help, nullptr);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(help));
}

TEST(Registry, ReadsWhatItWroteCreatingAMissingKeyEmpty) {
    RegistrySandbox sandbox;
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "missing"), "");
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "A\\B", &opened), ERROR_SUCCESS);
    const UniqueKey key(opened);
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "C:\\Program Files\\");
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "long", std::string(300, 'x'));
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "C:\\Program Files\\");
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "long"), std::string(300, 'x'));
    // The empty text is a value of size 0; a zero ends what is read.
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "");
    DWORD size = 1;
    EXPECT_EQ(RegQueryValueExA(key.get(), "path", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "");
    RegSetValueExA(key.get(), "zero", 0, REG_SZ, reinterpret_cast<const BYTE*>("ab\0cd"), 6);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "zero"), "ab");
}

class SyncScrolling : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        std::string list;
        for (int i = 0; i < 100; ++i) list += "item" + std::to_string(i) + "\r\n";
        for (int pane = 0; pane < 2; ++pane) {
            Paste(Textbox(pane), list);
            SendMessageA(Textbox(pane), EM_LINESCROLL, 0, -100);  // back to the top, which a paste leaves
        }
    }
    LRESULT FirstLine(int pane) const { return SendMessageA(Textbox(pane), EM_GETFIRSTVISIBLELINE, 0, 0); }
    LRESULT Top(int pane) const { return SendMessageA(Listbox(pane), LB_GETTOPINDEX, 0, 0); }
    void ScrollTo(int pane, int line) const {
        SendMessageA(Textbox(pane), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, line), 0);
    }
    // One wheel message with the pointer over the middle of a result list,
    // as it reaches the form when the focus is on a button.
    void Wheel(int pane, short rotation, WORD keys = 0) const {
        RECT r{};
        GetWindowRect(Listbox(pane), &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(Form(), WM_MOUSEWHEEL, MAKEWPARAM(keys, rotation), MAKELPARAM(r.left + 5, r.top + 5));
    }
};

TEST_F(SyncScrolling, ScrollingATextBoxBringsTheOtherToTheSameLineAMomentLater) {
    ScrollTo(1, 40);
    EXPECT_EQ(FirstLine(0), 0);  // the sync waits for its timer
    EXPECT_TRUE(PumpUntil([&] { return FirstLine(0) == 40; }));
    ScrollTo(1, 60);  // the pane scrolled last leads
    ScrollTo(0, 10);
    PumpFor(150);
    EXPECT_EQ(FirstLine(1), 10);
    Click(Item(control::kOptSync));
    ScrollTo(0, 30);
    PumpFor(150);
    EXPECT_EQ(FirstLine(1), 10);
}

// A focused result list scrolls itself as a list box does; a wheel turn
// that reaches the form in the edit view moves no text box.
TEST_F(SyncScrolling, AFocusedResultListTakesTheWheelAndTheEditViewIgnoresIt) {
    SendMessageA(Textbox(1), EM_LINESCROLL, 0, 30);
    Click(Item(control::kOptSort));  // fills the hidden lists
    Wheel(1, -WHEEL_DELTA);
    PumpFor(150);
    EXPECT_EQ(FirstLine(0), 0);
    ClickCompare(0);
    SetFocus(Listbox(0));
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SendMessageA(Listbox(0), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(Top(0), static_cast<LRESULT>(lines));
    EXPECT_EQ(Top(1), static_cast<LRESULT>(lines));
}

// The scroll bar and the wheel over the form lead the other list at once;
// without sync the wheel scrolls the list under the pointer only.
TEST_F(SyncScrolling, AResultListLeadsTheOtherAndTheWheelScrollsTheOneUnderThePointer) {
    ClickCompare(0);
    for (int i = 0; i < 3; ++i) SendMessageA(Listbox(0), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Top(1), 3);
    Wheel(1, -WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(Top(0), 8);
    Click(Item(control::kOptSync));
    Wheel(1, WHEEL_DELTA);
    EXPECT_EQ(Top(1), 7);
    Wheel(0, -WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(Top(0), 13);
    EXPECT_EQ(Top(1), 7);
}

LRESULT CALLBACK PassOn(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(OldWndProc(hWnd), hWnd, uMsg, wParam, lParam);
}

TEST(Subclass, HookingTwiceKeepsTheFirstOldProcedureAndUnhookPutsItBack) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const auto procedure = [&] { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); };
    const WNDPROC original = procedure();
    EXPECT_FALSE(Unhook(window));  // never hooked
    EXPECT_EQ(procedure(), original);
    int owner = 0;
    EXPECT_TRUE(Hook(window, PassOn, &owner));
    EXPECT_TRUE(Hook(window, DefWindowProcA));
    EXPECT_EQ(procedure(), PassOn);
    EXPECT_EQ(GetPropA(window, "ObjectPtr"), &owner);
    EXPECT_TRUE(Unhook(window));
    EXPECT_EQ(procedure(), original);
    EXPECT_EQ(GetPropA(window, "OldWndProc"), nullptr);
    EXPECT_EQ(GetPropA(window, "ObjectPtr"), nullptr);
    DestroyWindow(window);
}

}  // namespace
}  // namespace quorvex::test
