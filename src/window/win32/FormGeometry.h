// A form's geometry between its twips and the window system's pixels: what
// both forms do to lay out, place and centre themselves.
#pragma once

#include <windows.h>

#include "window/Twips.h"

namespace quorvex {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

PixelRect ToPixels(const RectTw& rect, TwipsPerPixel tpp);

// Moves a control to a place given in twips.
void PlaceControl(HWND control, const RectTw& rect, TwipsPerPixel tpp);

// The form's inner width and height in twips (its ScaleWidth, ScaleHeight).
RectTw ScaleSize(HWND form, TwipsPerPixel tpp);

// Halves are taken in twips before the subtraction, then one move.
void CentreOnScreen(HWND form, TwipsPerPixel tpp);

}  // namespace quorvex
