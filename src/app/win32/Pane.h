// One pane of the main form: its editable list, its result list, its status
// box with the timer that rewrites it, and its Open, Copy and Save buttons.
// The form holds two, indexed 0 (left) and 1 (right).
#pragma once

#include "platform/win32/ButtonPlus.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Timer.h"
#include "window/win32/Subclass.h"

namespace quorvex {

struct Pane {
    EditBox Textbox;
    ListBox Listbox;
    StatusBox Status;
    Timer StatusTimer;
    ButtonPlus BtnOpen;
    ButtonPlus BtnCopy;
    ButtonPlus BtnSave;
    // TextboxWndProc and ListboxWndProc on the pane's two lists.
    WindowHook textboxHook;
    WindowHook listboxHook;
};

}  // namespace quorvex
