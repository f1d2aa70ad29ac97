#include <gtest/gtest.h>
#include <windows.h>

#include "WinTestSupport.h"
#include "platform/ButtonPlus.h"
#include "platform/FramePlus.h"

namespace quorvex::test {
namespace {

// A plain parent window that counts the clicks its buttons report.
class Parent {
public:
    Parent() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QuorvexTestParent";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, "QuorvexTestParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                nullptr, nullptr, wc.hInstance, nullptr);
        clicks_ = 0;
    }
    ~Parent() { DestroyWindow(hwnd_); }
    HWND hWnd() const { return hwnd_; }
    static int Clicks() { return clicks_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks_;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND hwnd_;
    static inline int clicks_ = 0;
};

RECT PlaceOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(ButtonPlus, LatchingButtonChangesOnlyWhenTheProgramSetsIt) {
    Parent parent;
    ButtonPlus button;
    ASSERT_TRUE(button.Create({.parent = parent.hWnd(), .id = 7, .caption = "Latch", .latching = true}));
    button.Move(10, 10, 80, 24);  // a click lands inside the button
    SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(Parent::Clicks(), 1);
    EXPECT_FALSE(button.Pressed());
    button.SetPressed(true);
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(SendMessageA(button.hWnd(), BM_GETCHECK, 0, 0), BST_CHECKED);  // seen from outside too
    EXPECT_EQ(Parent::Clicks(), 1);                                          // setting raises no click
    SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(button.Pressed());
}

TEST(ButtonPlus, DropDownReturnsTheChosenKey) {
    Parent parent;
    ButtonPlus button;
    ASSERT_TRUE(button.Create({.parent = parent.hWnd(), .id = 7, .caption = "Open...", .dropDownId = 8}));
    button.AddDropDownItem("File", "Open File...");
    button.AddDropDownItem("Folder", "Open Folder...");
    {
        MenuAnswerer menu(1);
        EXPECT_EQ(button.ShowDropDown(), "Folder");
        EXPECT_TRUE(menu.Appeared());
    }
    {
        MenuAnswerer menu(-1);
        EXPECT_EQ(button.ShowDropDown(), "");
    }
}

TEST(ButtonPlus, DropDownPartMovesAndEnablesWithTheButton) {
    Parent parent;
    ButtonPlus button;
    ASSERT_TRUE(button.Create({.parent = parent.hWnd(), .id = 7, .caption = "Open...", .dropDownId = 8}));
    button.Move(10, 20, 97, 21);
    const RECT main = PlaceOf(button.hWnd()), arrow = PlaceOf(button.DropDownHWnd());
    EXPECT_EQ(main.left, 10);
    EXPECT_EQ(arrow.top, 20);
    EXPECT_EQ(arrow.left, main.right);
    EXPECT_EQ(arrow.right, 107);
    button.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button.hWnd()));
    EXPECT_FALSE(IsWindowEnabled(button.DropDownHWnd()));
}

TEST(FramePlus, ContainedControlsMoveWithTheFrame) {
    Parent parent;
    FramePlus frame;
    ASSERT_TRUE(frame.Create(parent.hWnd(), 9, "Options", nullptr));
    frame.Move(30, 40, 125, 69);
    HWND box = CreateWindowExA(0, "BUTTON", "Sort", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 0, 0, parent.hWnd(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    frame.Contain(box, 12, 16, 101, 17);
    EXPECT_EQ(PlaceOf(box).left, 42);
    EXPECT_EQ(PlaceOf(box).top, 56);
    frame.Move(-5, 100, 125, 69);
    EXPECT_EQ(PlaceOf(box).left, 7);
    EXPECT_EQ(PlaceOf(box).top, 116);
    EXPECT_EQ(PlaceOf(box).right - PlaceOf(box).left, 101);
}

}  // namespace
}  // namespace quorvex::test
