#include "window/win32/PaneHooks.h"

#include "platform/Tried.h"
#include "platform/win32/Controls.h"
#include "window/ScrollRules.h"
#include "window/win32/Subclass.h"

namespace quorvex {
namespace {

int ShiftFlags() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

// What the user does to a list that may move its top line. Moves by program
// (LB_SETTOPINDEX, refilling) are not scrolls: a sync of the other list then
// never echoes back to the list that led.
bool IsUserScroll(UINT uMsg) {
    switch (uMsg) {
        case WM_VSCROLL:
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_MOUSEWHEEL:
        case WM_TIMER:  // the list scrolls by timer while a drag leaves it
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK TextboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Installed on the panes' text boxes only. A failing handler is skipped:
    // the box still gets its message.
    auto* box = static_cast<EditBox*>(Control::FromHandle(hWnd));
    if (uMsg == WM_VSCROLL && box && box->onScroll) Tried(box->onScroll);
    if (uMsg == WM_KEYDOWN && box && box->onKeyDown)
        Tried([&] { box->onKeyDown(static_cast<int>(wParam), ShiftFlags()); });
    return CallOldWndProc(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ListboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!IsUserScroll(uMsg)) return CallOldWndProc(hWnd, uMsg, wParam, lParam);
    auto* list = static_cast<ListBox*>(Control::FromHandle(hWnd));  // installed on the result lists only
    const int top = list ? list->TopIndex() : 0;
    const LRESULT result = CallOldWndProc(hWnd, uMsg, wParam, lParam);
    // A failing handler leaves the scroll standing; only the other list stays
    // where it was.
    if (list && list->TopIndex() != top && list->onScroll) Tried(list->onScroll);
    return result;
}

}  // namespace quorvex
