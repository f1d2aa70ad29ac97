#include <gtest/gtest.h>
#include <windows.h>

#include "window/Subclass.h"

namespace quorvex::test {
namespace {

LRESULT CALLBACK PassOn(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(OldWndProc(hWnd), hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK AlsoPassOn(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return PassOn(hWnd, uMsg, wParam, lParam);
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class Subclass : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        original_ = ProcedureOf(window_);
    }
    void TearDown() override { DestroyWindow(window_); }

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
};

TEST_F(Subclass, HookingTwiceKeepsTheFirstOldProcedureForUnhook) {
    int owner = 0;
    EXPECT_TRUE(Hook(window_, PassOn, &owner));
    EXPECT_TRUE(Hook(window_, AlsoPassOn));
    EXPECT_EQ(ProcedureOf(window_), PassOn);
    EXPECT_EQ(GetPropA(window_, "ObjectPtr"), &owner);
    SetWindowTextA(window_, "through the hook");  // reaches the old procedure
    char text[32] = {};
    GetWindowTextA(window_, text, 32);
    EXPECT_STREQ(text, "through the hook");

    EXPECT_TRUE(Unhook(window_));
    EXPECT_EQ(ProcedureOf(window_), original_);
    EXPECT_EQ(GetPropA(window_, "OldWndProc"), nullptr);
    EXPECT_EQ(GetPropA(window_, "ObjectPtr"), nullptr);
}

TEST_F(Subclass, UnhookingAWindowNeverHookedChangesNothing) {
    EXPECT_FALSE(Unhook(window_));
    EXPECT_EQ(ProcedureOf(window_), original_);
}

}  // namespace
}  // namespace quorvex::test
