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

TEST_F(SyncScrolling, ScrollingAResultListMovesTheOtherAtOnce) {
    ClickCompare(0);
    for (int i = 0; i < 3; ++i) SendMessageA(Listbox(0), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Top(1), 3);
    Wheel(1, -WHEEL_DELTA, MK_SHIFT);  // the wheel too
    EXPECT_EQ(Top(1), 8);
    EXPECT_EQ(Top(0), 8);
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

TEST_F(SyncScrolling, WheelScrollsTheResultListUnderThePointer) {
    Click(Item(control::kOptSync));
    ClickCompare(0);
    SendMessageA(Listbox(1), LB_SETTOPINDEX, 3, 0);
    Wheel(1, WHEEL_DELTA);
    EXPECT_EQ(Top(1), 2);
    Wheel(1, -WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(Top(1), 7);
    Wheel(1, WHEEL_DELTA, MK_CONTROL);
    Wheel(1, WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(Top(1), 0);  // not below the first item
    Wheel(0, -WHEEL_DELTA);
    EXPECT_EQ(Top(0), 1);
    EXPECT_EQ(Top(1), 0);
}

}  // namespace
}  // namespace quorvex::test
