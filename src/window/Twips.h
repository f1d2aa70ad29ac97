// Conversion between the forms' twips and the window system's pixels.
#pragma once

#include <cmath>

namespace quorvex {

// Twips per pixel for a screen resolution in dots per inch, rounded to a whole
// number as the forms use it (15 at 96 dpi).
inline int TwipsPerPixelFor(int dotsPerInch) {
    if (dotsPerInch <= 0) return 15;
    const int tpp = static_cast<int>(std::lround(1440.0 / dotsPerInch));
    return tpp > 0 ? tpp : 1;
}

inline int TwipsToPixels(float twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(twips / static_cast<float>(twipsPerPixel)));
}

inline float PixelsToTwips(int pixels, int twipsPerPixel) { return static_cast<float>(pixels) * twipsPerPixel; }

// Positions and sizes in twips, single precision like the forms' scale.
struct RectTw {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const RectTw&) const = default;
};

// A move of a control in a layout: one that would give it a negative width
// or height fails as a whole and leaves the control where it was; negative
// places are fine.
inline void Move(RectTw& rect, float left, float top, float width, float height) {
    if (width < 0 || height < 0) return;
    rect = RectTw{left, top, width, height};
}

inline void MoveTo(RectTw& rect, float left, float top) { Move(rect, left, top, rect.width, rect.height); }

// Client twips.
struct PointTw {
    float left = 0;
    float top = 0;
};

// What the window system takes.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

struct TwipsPerPixel {
    short x = 15;
    short y = 15;
};

inline PixelRect ToPixels(const RectTw& rect, TwipsPerPixel tpp) {
    return {TwipsToPixels(rect.left, tpp.x), TwipsToPixels(rect.top, tpp.y), TwipsToPixels(rect.width, tpp.x),
            TwipsToPixels(rect.height, tpp.y)};
}

// The screen's, measured once at start-up by the main form and read by both
// forms.
TwipsPerPixel ScreenTwipsPerPixel();
void SetScreenTwipsPerPixel(TwipsPerPixel value);

}  // namespace quorvex
