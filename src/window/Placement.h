// The main window's place, kept between runs in twips.
#pragma once

#include "window/Twips.h"

namespace quorvex {

struct StoredPlace {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
    bool operator==(const StoredPlace&) const = default;
};

// The place stored at closing: the window's own while it is restored, and
// while it is minimized or maximized the last place it had restored, both in
// screen pixels. (The system's own restored rectangle is in workspace
// coordinates, off by the taskbar's size when that is at the top or left.)
StoredPlace PlaceToStore(const PixelRect& window, bool restored, const PixelRect& lastRestored, TwipsPerPixel tpp);

}  // namespace quorvex
