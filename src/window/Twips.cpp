#include "window/Twips.h"

namespace quorvex {
namespace {

TwipsPerPixel& Stored() {
    static TwipsPerPixel value;
    return value;
}

}  // namespace

TwipsPerPixel ScreenTwipsPerPixel() { return Stored(); }

void SetScreenTwipsPerPixel(TwipsPerPixel value) { Stored() = value; }

}  // namespace quorvex
