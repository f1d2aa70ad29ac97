#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "window/Twips.h"

namespace quorvex::test {
namespace {

const char kPrompt[] = "Type a list or open a file or folder to compare";

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(MainFormTest, StartsInTheEditViewWithThePromptInBothStatusBoxes) {
    for (int pane = 0; pane < 2; ++pane) {
        SCOPED_TRACE(pane);
        EXPECT_TRUE(IsWindowVisible(Textbox(pane)));
        EXPECT_FALSE(IsWindowVisible(Listbox(pane)));
        EXPECT_EQ(TextOf(Status(pane)), kPrompt);
        EXPECT_TRUE(IsWindowEnabled(BtnOpen(pane)));
        EXPECT_FALSE(IsPressed(CompareIt(pane)));
    }
    EXPECT_TRUE(Checked(Item(control::kOptSync)));
    EXPECT_TRUE(Checked(Item(control::kOptSort)));
    EXPECT_FALSE(Checked(Item(control::kOptCaseSensitive)));
}

TEST_F(MainFormTest, TextBoxesTakeTextsBeyondTheDefaultLimit) {
    Paste(Textbox(0), std::string(200000, 'x'));
    EXPECT_EQ(GetWindowTextLengthA(Textbox(0)), 200000);
}

TEST_F(MainFormTest, OpensCentredOnTheScreen) {
    RECT r{};
    GetWindowRect(Form(), &r);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(r.left, screenWidth / 2 - (r.right - r.left) / 2, 1);
    EXPECT_NEAR(r.top, screenHeight / 2 - (r.bottom - r.top) / 2, 1);
}

TEST_F(MainFormTest, LaysOutThePanesForTheWindowsSize) {
    if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    // An inner size of 522 x 295 pixels is 7830 x 4425 twips.
    RECT outer{0, 0, 522, 295};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(Form(), GWL_STYLE)), FALSE, 0);
    SetWindowPos(Form(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(Form(), &client);
    ASSERT_EQ(client.right, 522);
    ASSERT_EQ(client.bottom, 295);
    struct Row {
        int id;
        RECT expected;  // left, top, right, bottom in pixels
    } rows[] = {
        {control::kTextbox, {4, 29, 4 + 255, 29 + 174}},
        {control::kTextbox + 1, {263, 29, 263 + 255, 29 + 174}},
        {control::kStatus, {4, 203, 4 + 255, 203 + 15}},
        {control::kOptionFrame, {393, 222, 393 + 125, 222 + 69}},
        {control::kBtnSave + 1, {437, 4, 437 + 73, 4 + 21}},
        // Inside the frames, at their places relative to the frame.
        {control::kCompareIt + 1, {4 + 176, 222 + 24, 4 + 176 + 157, 222 + 24 + 29}},
        {control::kOptCaseSensitive, {393 + 12, 222 + 48, 393 + 12 + 101, 222 + 48 + 17}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const RECT r = ClientRectOf(Item(row.id));
        EXPECT_EQ(r.left, row.expected.left);
        EXPECT_EQ(r.top, row.expected.top);
        EXPECT_EQ(r.right, row.expected.right);
        EXPECT_EQ(r.bottom, row.expected.bottom);
    }
    // The Open button and its drop-down part together take the design width.
    const RECT open = ClientRectOf(BtnOpen(1)), arrow = ClientRectOf(BtnOpenDropDown(1));
    EXPECT_EQ(open.left, 263);
    EXPECT_EQ(arrow.left, open.right);
    EXPECT_EQ(arrow.right, 263 + 97);
}

TEST_F(MainFormTest, MinimizingKeepsThePanesAndRestoringLaysOutAgain) {
    SetWindowPos(Form(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const RECT before = ClientRectOf(Textbox(1));
    ShowWindow(Form(), SW_MINIMIZE);  // the resize comes within the call
    const RECT minimized = ClientRectOf(Textbox(1));
    EXPECT_EQ(minimized.left, before.left);
    EXPECT_EQ(minimized.right, before.right);
    ShowWindow(Form(), SW_RESTORE);
    const RECT restored = ClientRectOf(Textbox(1));
    EXPECT_EQ(restored.left, before.left);
    EXPECT_EQ(restored.bottom, before.bottom);
}

TEST_F(MainFormTest, CannotBeMadeSmallerThanItsMinimumTrackSize) {
    SetWindowPos(Form(), nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
    RECT r{};
    GetWindowRect(Form(), &r);
    EXPECT_EQ(r.right - r.left, 530 - 8 + 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(r.bottom - r.top, 320 - 25 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
    // Growing is limited by the system only.
    SetWindowPos(Form(), nullptr, 0, 0, 1200, 1000, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(Form(), &r);
    EXPECT_EQ(r.right - r.left, 1200);
    EXPECT_EQ(r.bottom - r.top, 1000);
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
    // Back in the pane the caret stands where it was and nothing is selected,
    // so typing does not replace the list.
    DWORD start = 0, end = 0;
    SendMessageA(Textbox(0), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 3u);
    PressKey(VK_RETURN);
    PressKey('E');
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(IsWindow(Form()));
    EXPECT_EQ(TextOf(Textbox(0)), "abc\r\ne");
}

TEST_F(MainFormTest, CtrlAAloneSelectsThePanesWholeText) {
    SetForegroundWindow(Form());
    Paste(Textbox(1), "one\r\ntwo");
    SetFocus(Textbox(1));
    SendMessageA(Textbox(1), EM_SETSEL, 2, 2);
    PressKey('A', {VK_CONTROL, VK_SHIFT});
    DWORD start = 0, end = 0;
    SendMessageA(Textbox(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 0u);
    PressKey('A', {VK_CONTROL});
    SendMessageA(Textbox(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);
}

TEST_F(MainFormTest, ReactivationGivesTheFocusBackToTheControlThatHadIt) {
    SetForegroundWindow(Form());
    SetFocus(Textbox(1));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    PumpFor(0);
    EXPECT_NE(GetFocus(), Textbox(1));
    SetForegroundWindow(Form());
    PumpFor(0);
    EXPECT_EQ(GetFocus(), Textbox(1));
    DestroyWindow(other);
}

TEST_F(MainFormTest, OpenDropDownOffersFileAndFolder) {
    for (int pane = 0; pane < 2; ++pane) {
        SCOPED_TRACE(pane);
        MenuAnswerer menu(-1);
        Click(BtnOpenDropDown(pane));
        ASSERT_TRUE(menu.Appeared());
        EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"Open File...", "Open Folder..."}));
    }
}

}  // namespace
}  // namespace quorvex::test
