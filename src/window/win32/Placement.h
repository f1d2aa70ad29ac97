// The main window's position and size, kept between runs under the
// program's registry key in twips.
#pragma once

#include <windows.h>

#include <string>

#include "window/Twips.h"

namespace quorvex {

// Puts the form where the values `name`.left, .top, .width and .height say;
// false, and the form left alone, when neither a width nor a height is
// stored. A place off the screen is applied as it is.
bool LoadWindowPlacement(HWND form, const std::string& name, TwipsPerPixel tpp);

// Stores the form's place, the restored one when it is minimized or maximized.
void SaveWindowPlacement(HWND form, const std::string& name, TwipsPerPixel tpp);

}  // namespace quorvex
