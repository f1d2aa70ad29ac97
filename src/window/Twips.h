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

struct TwipsPerPixel {
    short x = 15;
    short y = 15;
};

// The screen's, measured once at start-up by the main form and read by both
// forms.
TwipsPerPixel ScreenTwipsPerPixel();
void SetScreenTwipsPerPixel(TwipsPerPixel value);

}  // namespace quorvex
