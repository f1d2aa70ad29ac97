#include <gtest/gtest.h>
#include <windows.h>

#include "window/win32/Subclass.h"

namespace quorvex::test {
namespace {

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
