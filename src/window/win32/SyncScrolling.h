// Synchronised scrolling of the two panes: the procedures that catch a pane's
// scrolling and keys, and the moves that bring the other pane to the same
// first line.
#pragma once

#include <windows.h>

namespace quorvex {

// The form that owns the panes, told of their scrolling.
class ScrollingPanes {
public:
    // A text box is about to take a WM_VSCROLL.
    virtual void TextboxScrolled(HWND textbox) = 0;
    // A text box got a key; `shift` as in ScrollRules.h.
    virtual void TextboxKeyDown(HWND textbox, int keyCode, int shift) = 0;
    // The user scrolled a result list (scroll bar, keys, mouse).
    virtual void ListboxScrolled(HWND listbox) = 0;

protected:
    ~ScrollingPanes() = default;
};

// Installed with Hook on the panes' text boxes.
LRESULT CALLBACK TextboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Install and remove ListboxWndProc on a result list. The lists are the
// program's own, so their old procedure is kept in their user data, not in a
// window property: under Wine a property lookup is a round trip to the
// server, some 40 microseconds, and every item added to a list passes
// through the procedure.
bool HookListbox(HWND listbox);
bool UnhookListbox(HWND listbox);
LRESULT CALLBACK ListboxWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Scrolls `target` so that its first visible line is that of `source`.
void SyncTextboxes(HWND source, HWND target);
void SyncListboxes(HWND source, HWND target);

}  // namespace quorvex
