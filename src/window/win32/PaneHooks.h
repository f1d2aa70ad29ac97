// The window procedures that catch the panes' scrolling and keys: installed
// with a WindowHook on the text boxes and the result lists, each tells the
// control it serves (EditBox, ListBox), which tells the form.
#pragma once

#include <windows.h>

namespace quorvex {

// A text box's WM_VSCROLL (before the box scrolls) and its keys.
LRESULT CALLBACK TextboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// A result list's top line moved by the user: the scroll bar, keys, the
// mouse, or the wheel while the list has the focus.
LRESULT CALLBACK ListboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace quorvex
