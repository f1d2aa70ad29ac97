// Window subclassing: a window's procedure replaced by one of the program's
// own, the old one kept in the window's "OldWndProc" property. The forms get
// their sizing limits and wheel turns through SubclassWndProc and the form
// contract (Form.h); the panes' text boxes and result lists are hooked the
// same way. A hooked window reaches its object through its user data.
#pragma once

#include <windows.h>

namespace quorvex {

class Form;

// True when the window is hooked afterwards; hooking a hooked window changes
// nothing. `owner`, when given, is kept in the "ObjectPtr" property.
bool Hook(HWND hWnd, WNDPROC procedure, void* owner = nullptr);
// True when the old procedure was put back.
bool Unhook(HWND hWnd);
// The procedure that a hooked window had before.
WNDPROC OldWndProc(HWND hWnd);
// Passes a message on to the procedure a hooked window had before.
LRESULT CallOldWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// One window hooked from Install to Remove, or to the end of the hook's
// life. A hook procedure unhooks its window itself at WM_NCDESTROY, so that
// no property outlives the window.
class WindowHook {
public:
    WindowHook() = default;
    ~WindowHook() { Remove(); }
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;

    bool Install(HWND window, WNDPROC procedure);
    bool Remove();

private:
    HWND window_ = nullptr;
};

void SubclassForm(Form& form, bool enable);
LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The open form of this window, or null.
Form* FormFromHwnd(HWND hWnd);

// The least outer size a drag leaves the form, in pixels: its contract's
// minimum restated for this system's frame and caption.
POINT MinTrackSize(const Form& form);

short NonClientWidth();
short NonClientHeight();

}  // namespace quorvex
