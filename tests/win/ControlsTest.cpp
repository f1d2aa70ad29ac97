#include <gtest/gtest.h>
#include <windows.h>

#include "WinTestSupport.h"
#include "platform/ButtonPlus.h"

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

}  // namespace
}  // namespace quorvex::test
