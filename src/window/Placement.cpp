#include "window/Placement.h"

namespace quorvex {

StoredPlace PlaceToStore(const PixelRect& window, bool restored, const PixelRect& lastRestored, TwipsPerPixel tpp) {
    const PixelRect& r = restored ? window : lastRestored;
    return {static_cast<long>(r.left) * tpp.x, static_cast<long>(r.top) * tpp.y, static_cast<long>(r.width) * tpp.x,
            static_cast<long>(r.height) * tpp.y};
}

}  // namespace quorvex
