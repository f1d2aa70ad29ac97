#include "window/Placement.h"

#include <algorithm>

#include "compare/TextRoutines.h"

namespace quorvex {

std::optional<StoredPlace> StoredPlaceOf(std::string_view left, std::string_view top, std::string_view width,
                                         std::string_view height) {
    const StoredPlace place{LeadingNumber16(left), LeadingNumber16(top), LeadingNumber16(width),
                            LeadingNumber16(height)};
    if (place.width == 0 && place.height == 0) return std::nullopt;
    return place;
}

PixelRect PlaceToOpen(const StoredPlace& stored, TwipsPerPixel tpp, PixelSize minTrack) {
    const PixelRect p = ToPixels({static_cast<float>(stored.left), static_cast<float>(stored.top),
                                  static_cast<float>(stored.width), static_cast<float>(stored.height)},
                                 tpp);
    return {p.left, p.top, std::max(p.width, minTrack.width), std::max(p.height, minTrack.height)};
}

StoredPlace PlaceToStore(const PixelRect& window, bool restored, const PixelRect& lastRestored, TwipsPerPixel tpp) {
    const PixelRect& r = restored ? window : lastRestored;
    return {static_cast<long>(r.left) * tpp.x, static_cast<long>(r.top) * tpp.y, static_cast<long>(r.width) * tpp.x,
            static_cast<long>(r.height) * tpp.y};
}

}  // namespace quorvex
