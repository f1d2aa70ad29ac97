#include "window/win32/SyncScrolling.h"

#include "platform/win32/Window.h"
#include "window/ScrollRules.h"
#include "window/win32/Subclass.h"

namespace quorvex {
namespace {

ScrollingPanes* PanesOf(HWND control) { return dynamic_cast<ScrollingPanes*>(Window::FromHandle(GetParent(control))); }

int ShiftFlags() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

LRESULT CallOld(WNDPROC old, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return old ? CallWindowProcA(old, hWnd, uMsg, wParam, lParam) : DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

WNDPROC ListboxOldProc(HWND listbox) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(listbox, GWLP_USERDATA)); }

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
    return CallOld(OldWndProc(hWnd), hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ListboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The wheel belongs to the form, which scrolls the list under the pointer.
    if (uMsg == WM_MOUSEWHEEL) return SendMessageA(GetParent(hWnd), uMsg, wParam, lParam);
    const WNDPROC old = ListboxOldProc(hWnd);
    if (!IsUserScroll(uMsg)) return CallOld(old, hWnd, uMsg, wParam, lParam);
    const LRESULT top = SendMessageA(hWnd, LB_GETTOPINDEX, 0, 0);
    const LRESULT result = CallOld(old, hWnd, uMsg, wParam, lParam);
    try {
        if (SendMessageA(hWnd, LB_GETTOPINDEX, 0, 0) != top)
            if (ScrollingPanes* panes = PanesOf(hWnd)) panes->ListboxScrolled(hWnd);
    } catch (...) {
        // The scroll stands; only the other list stays where it was.
    }
    return result;
}

bool HookListbox(HWND listbox) {
    if (ListboxOldProc(listbox) != nullptr) return true;
    const LONG_PTR old =
        SetWindowLongPtrA(listbox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListboxWndProc));
    if (old == 0) return false;
    SetWindowLongPtrA(listbox, GWLP_USERDATA, old);
    return true;
}

bool UnhookListbox(HWND listbox) {
    const WNDPROC old = ListboxOldProc(listbox);
    if (old == nullptr || SetWindowLongPtrA(listbox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old)) == 0) return false;
    SetWindowLongPtrA(listbox, GWLP_USERDATA, 0);
    return true;
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
