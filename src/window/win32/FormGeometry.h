// A form's geometry between its twips and the window system's pixels: what
// both forms do to lay out, place and centre themselves.
#pragma once

#include <windows.h>

#include "platform/win32/Controls.h"
#include "window/Twips.h"

namespace quorvex {

// Moves a control to a place given in twips.
void PlaceControl(Control& control, const RectTw& rect, TwipsPerPixel tpp);

// The form's inner width and height in twips (its ScaleWidth, ScaleHeight).
RectTw ScaleSize(HWND form, TwipsPerPixel tpp);

// Halves are taken in twips before the subtraction, then one move.
void CentreOnScreen(HWND form, TwipsPerPixel tpp);

}  // namespace quorvex
