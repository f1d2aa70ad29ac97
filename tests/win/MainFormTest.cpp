// The main form in a real window: its start, layout, paint, keys and focus,
// and the views its compare buttons switch between.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/win32/Handles.h"
#include "window/Twips.h"

namespace quorvex::test {
namespace {

RECT ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(MainFormTest, StartsCentredInTheEditViewWithThePromptInBothStatusBoxes) {
    for (int pane = 0; pane < 2; ++pane) {
        EXPECT_TRUE(IsWindowVisible(Textbox(pane)));
        EXPECT_FALSE(IsWindowVisible(Listbox(pane)));
        EXPECT_EQ(TextOf(Status(pane)), "Type a list or open a file or folder to compare");
    }
    EXPECT_TRUE(IsPressed(Item(control::kOptSync)));
    EXPECT_TRUE(IsPressed(Item(control::kOptSort)));
    EXPECT_FALSE(IsPressed(Item(control::kOptCaseSensitive)));
    RECT r{};
    GetWindowRect(Form(), &r);
    EXPECT_NEAR(r.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (r.right - r.left) / 2, 1);
    EXPECT_NEAR(r.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (r.bottom - r.top) / 2, 1);
    Paste(Textbox(0), std::string(200000, 'x'));  // beyond an edit's default limit
    EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 200000);
}

TEST_F(MainFormTest, LaysOutThePanesAndFramesAtTheMinimumTrackSize) {
    if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    SetWindowPos(Form(), nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
    RECT r{};
    GetWindowRect(Form(), &r);
    ASSERT_EQ(r.right - r.left, 530 - 8 + 2 * GetSystemMetrics(SM_CXFRAME));
    ASSERT_EQ(r.bottom - r.top, 320 - 25 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
    GetClientRect(Form(), &r);
    ASSERT_EQ(r.right, 522);  // 7830 x 4425 twips
    ASSERT_EQ(r.bottom, 295);
    const std::pair<int, RECT> rows[] = {
        // pixels
        {control::kTextbox + 1, {263, 29, 263 + 255, 29 + 174}},
        // Inside the frames, at their places relative to the frame.
        {control::kCompareIt + 1, {4 + 176, 222 + 24, 4 + 176 + 157, 222 + 24 + 29}},
        {control::kOptCaseSensitive, {393 + 12, 222 + 48, 393 + 12 + 101, 222 + 48 + 17}},
        // The Open button and its drop-down part take the design width.
        {control::kBtnOpenDropDown + 1, {263 + 97 - 16, 4, 263 + 97, 4 + 21}},
    };
    for (const auto& [id, expected] : rows) {
        const RECT actual = ClientRectOf(Item(id));
        EXPECT_TRUE(EqualRect(&actual, &expected)) << id << ": " << actual.left << "," << actual.top;
    }
    // Growing is limited by the system only.
    SetWindowPos(Form(), nullptr, 0, 0, 1200, 1000, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(Form(), &r);
    EXPECT_EQ(r.right - r.left, 1200);
    EXPECT_EQ(r.bottom - r.top, 1000);
}

// The window's pixels as the screen shows them.
std::vector<COLORREF> Capture(HWND window) {
    PumpFor(150);  // the paints that the change queued
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const WindowDC screen(nullptr);
    const UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
    {
        const SelectedObject selected(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    GetDIBits(dc.get(), bitmap.get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

// Whatever the size change, the window shows what a repaint from scratch
// shows: no control left half drawn where it was before.
TEST_F(MainFormTest, EverySizeChangePaintsWhatAFullRepaintPaints) {
    SetForegroundWindow(Form());
    SetFocus(CompareIt(0));  // no blinking caret
    Paste(Textbox(0), "one\r\ntwo");
    const auto step = [&](const char* what, const std::function<void()>& change) {
        change();
        const auto seen = Capture(Form());
        RedrawWindow(Form(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_TRUE(seen == Capture(Form())) << what;
    };
    for (int view = 0; view < 2; ++view) {
        step("minimum", [&] { SetWindowPos(Form(), nullptr, 20, 20, 100, 100, SWP_NOZORDER); });
        step("larger", [&] { SetWindowPos(Form(), nullptr, 20, 20, 900, 700, SWP_NOZORDER); });
        for (int width = 700; width >= 560; width -= 35)
            step("dragged", [&] { SetWindowPos(Form(), nullptr, 20, 20, width, width * 3 / 4, SWP_NOZORDER); });
        step("maximized", [&] { ShowWindow(Form(), SW_MAXIMIZE); });
        step("restored", [&] { ShowWindow(Form(), SW_RESTORE); });
        ClickCompare(1);
    }
    // Without the product's manifest, as on Windows 2000 and Me, the Save
    // buttons draw their disk picture (RGB 40, 70, 150) themselves.
    const auto shown = Capture(Form());
    EXPECT_GT(std::count(shown.begin(), shown.end(), 0x284696u), 60);
}

TEST_F(MainFormTest, KeysInAPaneEditItsTextAndTabMovesTheFocus) {
    SetForegroundWindow(Form());
    SetFocus(Textbox(0));
    for (WORD key : {'A', 'B', 'C'}) PressKey(key);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), BtnOpen(1));  // the next control in the tab order, out of the pane
    PressKey('D');
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_EQ(GetFocus(), Textbox(0));
    // The caret stands where it was and nothing is selected, so typing does
    // not replace the list.
    EXPECT_EQ(Selection(Textbox(0)), std::make_pair(3ul, 3ul));
    PressKey(VK_RETURN);
    PressKey('E');
    // Ctrl+A through the box's procedure alone, which Wine's box ignores.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(Textbox(0), WM_KEYDOWN, 'A', 0x001E0001);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Selection(Textbox(0)), std::make_pair(0ul, 6ul));
    // Esc through the program's own loop leaves the window and its text.
    PostMessageA(Textbox(0), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(Textbox(0), WM_CHAR, VK_ESCAPE, 0x00010001);
    PostQuitMessage(7);
    EXPECT_EQ(RunMessageLoop(), 7);
    ASSERT_TRUE(IsWindow(Form()));
    EXPECT_EQ(TextOf(Textbox(0)), "abc\r\ne");
}

// Enter presses the focused button; Alt+Down and F4 open a drop-down.
// Wine's buttons of common controls 5 take Enter for a click themselves.
TEST_F(MainFormTest, KeysOnAButtonPressItOrOpenItsDropDown) {
    form_.reset();
    {
        const ProductControls styles;
        form_ = Quorvex::Create(GetModuleHandleA(nullptr));
    }
    form_->Show();
    SetForegroundWindow(Form());
    SetFocus(CompareIt(1));
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsPressed(CompareIt(1)));
    EXPECT_FALSE(IsWindowVisible(Textbox(0)));
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(Textbox(0)));
    for (const auto& [key, held] : {std::pair<WORD, WORD>{VK_DOWN, VK_MENU}, {VK_F4, 0}}) {
        SetFocus(BtnOpen(1));
        Answerer menu({{"", -1}});
        PressKey(key, held ? std::initializer_list<WORD>{held} : std::initializer_list<WORD>{});
        EXPECT_TRUE(menu.Answered(1000)) << key;
        EXPECT_EQ(menu.Text(), "Open File...\nOpen Folder...");
    }
}

TEST_F(MainFormTest, ReactivationGivesTheFocusBackToTheControlThatHadIt) {
    SetForegroundWindow(Form());
    SetFocus(Textbox(1));
    HWND other =
        CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    SetForegroundWindow(Form());
    EXPECT_EQ(GetFocus(), Textbox(1));
    DestroyWindow(other);
}

using CompareCommands = MainFormTest;

// The view on show follows the pressed button: the result lists or the
// texts, with the Open buttons enabled only over the texts.
TEST_F(CompareCommands, EachButtonShowsItsResultListsAndThePressedOneTheTexts) {
    const auto resultsView = [&] {
        const bool results = IsWindowVisible(Listbox(0)) && IsWindowVisible(Listbox(1));
        EXPECT_NE(results, IsWindowVisible(Textbox(0)) || IsWindowVisible(Textbox(1)));
        EXPECT_EQ(IsWindowEnabled(BtnOpen(0)) && IsWindowEnabled(BtnOpenDropDown(1)), !results);
        return results;
    };
    Paste(Textbox(0), "apple\r\npear\r\nplum\r\napple\r\n" + std::string(300, 'W'));
    Paste(Textbox(1), "plum\r\nkiwi\r\napple\r\n");
    ClickCompare(0);
    EXPECT_TRUE(resultsView());
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"apple", "apple", "plum"}, {"apple", "plum"}}));
    EXPECT_EQ(Statuses(), (Items{"3 items", "2 items"}));
    EXPECT_EQ(GetFocus(), CompareIt(0));
    ClickCompare(1);
    EXPECT_TRUE(IsPressed(CompareIt(1)) && !IsPressed(CompareIt(0)));
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"pear", std::string(300, 'W')}, {"kiwi"}}));
    RECT client{};
    GetClientRect(Listbox(0), &client);  // it scrolls sideways to its widest item
    EXPECT_GT(SendMessageA(Listbox(0), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
    Answerer menu({{"", -1}});
    Click(BtnOpenDropDown(0));  // even a click sent to the disabled part opens no menu
    EXPECT_FALSE(menu.Answered(100));
    ClickCompare(1);
    EXPECT_FALSE(resultsView());
    EXPECT_FALSE(IsPressed(CompareIt(1)));
    EXPECT_TRUE(PumpUntil([&] { return Statuses() == Items{"5 items", "3 items"}; }));
}

}  // namespace
}  // namespace quorvex::test
