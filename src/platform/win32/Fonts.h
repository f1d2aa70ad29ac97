// The look a form's controls take at start-up: the buttons' focus style
// follows the user's visual-styles setting, and on Windows Vista every
// control takes the system font "Segoe UI".
#pragma once

#include <windows.h>

#include <initializer_list>

#include "platform/win32/Handles.h"

namespace quorvex {

class ButtonPlus;

// The visual-styles setting of the user ("ThemeActive"); false when unset.
bool IsThemeActive();

// Returns the font it gave the form and its controls, which the form keeps
// while they live (none before Vista).
UniqueFont ApplyFonts(HWND form, std::initializer_list<ButtonPlus*> buttons);

}  // namespace quorvex
