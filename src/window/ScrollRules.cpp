#include "window/ScrollRules.h"

#include <cmath>

namespace quorvex {

int WheelRotation(std::uint32_t wParam) {
    return static_cast<int>(std::lround(static_cast<std::int32_t>(wParam) / 65535.0));
}

int WheelKeys(std::uint32_t wParam) { return static_cast<int>(wParam & 0xFFFF); }

int WheelStep(int wheelKey) { return wheelKey > 0 ? 5 : 1; }

int WheelPane(int pointerX, float formLeftTw, float rightListLeftTw, int twipsPerPixelX) {
    if (twipsPerPixelX <= 0) return 0;
    return static_cast<float>(pointerX) > (formLeftTw + rightListLeftTw) / static_cast<float>(twipsPerPixelX) ? 1 : 0;
}

int WheelTopIndex(int top, int wheel, int step) {
    if (wheel > 0 && top > 0) return top > step ? top - step : 0;
    if (wheel < 0) return top + step;
    return top;
}

bool IsSelectAllKey(int keyCode, int shift) { return shift == kCtrlMask && keyCode == 'A'; }

}  // namespace quorvex
