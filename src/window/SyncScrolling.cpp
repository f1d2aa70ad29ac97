#include "window/SyncScrolling.h"

#include "platform/Window.h"
#include "window/ScrollRules.h"
#include "window/Subclass.h"

namespace quorvex {
namespace {

ScrollingPanes* PanesOf(HWND control) { return dynamic_cast<ScrollingPanes*>(Window::FromHandle(GetParent(control))); }

int ShiftFlags() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

LRESULT CallOld(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC old = OldWndProc(hWnd);
    return old ? CallWindowProcA(old, hWnd, uMsg, wParam, lParam) : DefWindowProcA(hWnd, uMsg, wParam, lParam);
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
        case WM_TIMER:  // the list scrolls by timer while a drag leaves it
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK TextboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    try {
        if (ScrollingPanes* panes = (uMsg == WM_VSCROLL || uMsg == WM_KEYDOWN) ? PanesOf(hWnd) : nullptr) {
            if (uMsg == WM_VSCROLL)
                panes->TextboxScrolled(hWnd);
            else
                panes->TextboxKeyDown(hWnd, static_cast<int>(wParam), ShiftFlags());
        }
    } catch (...) {
        // The box still gets its message.
    }
    return CallOld(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ListboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The wheel belongs to the form, which scrolls the list under the pointer.
    if (uMsg == WM_MOUSEWHEEL) return SendMessageA(GetParent(hWnd), uMsg, wParam, lParam);
    if (!IsUserScroll(uMsg)) return CallOld(hWnd, uMsg, wParam, lParam);
    const LRESULT top = SendMessageA(hWnd, LB_GETTOPINDEX, 0, 0);
    const LRESULT result = CallOld(hWnd, uMsg, wParam, lParam);
    try {
        if (SendMessageA(hWnd, LB_GETTOPINDEX, 0, 0) != top)
            if (ScrollingPanes* panes = PanesOf(hWnd)) panes->ListboxScrolled(hWnd);
    } catch (...) {
        // The scroll stands; only the other list stays where it was.
    }
    return result;
}

void SyncTextboxes(HWND source, HWND target) {
    const LRESULT sourceLine = SendMessageA(source, EM_GETFIRSTVISIBLELINE, 0, 0);
    const LRESULT targetLine = SendMessageA(target, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageA(target, EM_LINESCROLL, 0, sourceLine - targetLine);
}

void SyncListboxes(HWND source, HWND target) {
    SendMessageA(target, LB_SETTOPINDEX, static_cast<WPARAM>(SendMessageA(source, LB_GETTOPINDEX, 0, 0)), 0);
}

}  // namespace quorvex
