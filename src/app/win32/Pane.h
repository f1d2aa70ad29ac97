// One pane of the main form: its editable list, its result list, its status
// box with the timer that rewrites it, and its Open, Copy and Save buttons.
// The form holds two, indexed 0 (left) and 1 (right).
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/ButtonPlus.h"
#include "platform/win32/Timer.h"

namespace quorvex {

struct Pane {
    HWND Textbox = nullptr;
    HWND Listbox = nullptr;
    HWND Status = nullptr;
    // The status box's tag: the file the list was loaded from, or
    // "contents of " and the folder it lists; empty for a typed list.
    std::string sourceLabel;
    Timer StatusTimer;
    ButtonPlus BtnOpen;
    ButtonPlus BtnCopy;
    ButtonPlus BtnSave;
    // Raised while a folder listing writes the pane, so that its change
    // handling and the scroll sync stay out of the intermediate texts.
    bool listingInProgress = false;
};

inline int OtherPane(int pane) { return pane == 0 ? 1 : 0; }

}  // namespace quorvex
