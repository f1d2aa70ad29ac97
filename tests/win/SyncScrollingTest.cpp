#include <string>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

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
    static LRESULT FirstLine(HWND textbox) { return SendMessageA(textbox, EM_GETFIRSTVISIBLELINE, 0, 0); }
    static LRESULT Top(HWND listbox) { return SendMessageA(listbox, LB_GETTOPINDEX, 0, 0); }
    static void ScrollTo(HWND textbox, int line) {
        SendMessageA(textbox, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, line), 0);
    }
    // One wheel message with the pointer over the middle of pane `pane`.
    void Wheel(int pane, short rotation, WORD keys = 0) {
        RECT r{};
        GetWindowRect(Listbox(pane), &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(Listbox(pane), WM_MOUSEWHEEL, MAKEWPARAM(keys, rotation), MAKELPARAM(r.left + 5, r.top + 5));
    }
};

TEST_F(SyncScrolling, ScrollingATextBoxBringsTheOtherToTheSameLineAMomentLater) {
    ScrollTo(Textbox(1), 40);
    EXPECT_EQ(FirstLine(Textbox(0)), 0);  // the sync waits for its timer
    EXPECT_TRUE(PumpUntil([&] { return FirstLine(Textbox(0)) == 40; }));
    // The pane scrolled last leads.
    ScrollTo(Textbox(1), 60);
    ScrollTo(Textbox(0), 10);
    PumpFor(150);
    EXPECT_EQ(FirstLine(Textbox(1)), 10);
}

TEST_F(SyncScrolling, ScrollingAResultListMovesTheOtherAtOnce) {
    ClickCompare(0);
    for (int i = 0; i < 3; ++i) SendMessageA(Listbox(0), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Top(Listbox(0)), 3);
    EXPECT_EQ(Top(Listbox(1)), 3);
}

TEST_F(SyncScrolling, NothingFollowsWithSyncScrollingOff) {
    Click(Item(control::kOptSync));
    ScrollTo(Textbox(0), 40);
    PumpFor(150);
    EXPECT_EQ(FirstLine(Textbox(1)), 0);
    ClickCompare(1);
    SendMessageA(Listbox(1), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Top(Listbox(0)), 0);
}

TEST_F(SyncScrolling, WheelScrollsTheResultListUnderThePointer) {
    Click(Item(control::kOptSync));
    ClickCompare(0);
    SendMessageA(Listbox(1), LB_SETTOPINDEX, 3, 0);
    Wheel(1, WHEEL_DELTA);
    EXPECT_EQ(Top(Listbox(1)), 2);
    Wheel(1, -WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(Top(Listbox(1)), 7);
    Wheel(1, WHEEL_DELTA, MK_CONTROL);
    Wheel(1, WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(Top(Listbox(1)), 0);  // not below the first item
    EXPECT_EQ(Top(Listbox(0)), 0);
    Wheel(0, -WHEEL_DELTA);
    EXPECT_EQ(Top(Listbox(0)), 1);
    EXPECT_EQ(Top(Listbox(1)), 0);
}

TEST_F(SyncScrolling, WheelScrollsBothResultListsWithSyncScrollingOn) {
    ClickCompare(0);
    Wheel(1, -WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(Top(Listbox(1)), 5);
    EXPECT_EQ(Top(Listbox(0)), 5);
}

}  // namespace
}  // namespace quorvex::test
