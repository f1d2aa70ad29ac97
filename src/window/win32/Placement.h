// The main window's position and size under the program's registry key.
#pragma once

#include <windows.h>

#include <string>

#include "window/Placement.h"
#include "window/win32/Form.h"

namespace quorvex {

// Puts the form where the values `name`.left, .top, .width and .height say
// (StoredPlaceOf), at least as large as its minimum track size
// (PlaceToOpen); false, and the form left alone, when nothing is stored.
bool LoadWindowPlacement(const Form& form, const std::string& name, TwipsPerPixel tpp);

// Stores `place`.left, .top, .height and .width, in this order.
void SaveWindowPlacement(const std::string& name, const StoredPlace& place);

// The window's place in screen pixels.
PixelRect WindowPlace(HWND window);

}  // namespace quorvex
