// The main window's place, kept between runs in twips.
#pragma once

#include <optional>
#include <string_view>

#include "window/Twips.h"

namespace quorvex {

struct StoredPlace {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
    bool operator==(const StoredPlace&) const = default;
};

// The place the four stored texts give, each read by its leading number;
// none when neither a width nor a height is stored.
std::optional<StoredPlace> StoredPlaceOf(std::string_view left, std::string_view top, std::string_view width,
                                         std::string_view height);

// A window's outer size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};

// Where the window opens, in screen pixels: the stored place, off the screen
// or not, but no smaller either way than `minTrack`, the least a drag leaves.
// The system checks the move against its own limits only, which let the
// window shrink to its caption, and what opens is stored again at closing.
PixelRect PlaceToOpen(const StoredPlace& stored, TwipsPerPixel tpp, PixelSize minTrack);

// The place stored at closing: the window's own while it is restored, and
// while it is minimized or maximized the last place it had restored, both in
// screen pixels. (The system's own restored rectangle is in workspace
// coordinates, off by the taskbar's size when that is at the top or left.)
StoredPlace PlaceToStore(const PixelRect& window, bool restored, const PixelRect& lastRestored, TwipsPerPixel tpp);

}  // namespace quorvex
