// The arithmetic of the wheel and of the text boxes' select-all key, apart
// from the windows they act on.
#pragma once

#include <cstdint>

namespace quorvex {

// A wheel message's rotation: its whole parameter over 65535, rounded, which
// for every real message is the signed high word (120 a notch, positive away
// from the user); and its key flags, the low word.
int WheelRotation(std::uint32_t wParam);
int WheelKeys(std::uint32_t wParam);

// Lines one wheel message scrolls: 5 with any key or mouse-button flag, else 1.
int WheelStep(int wheelKey);

// The pane under the pointer: 1 when its screen x lies right of the form's
// outer left plus the right list's client left (both twips, added as they
// are), 0 otherwise, equal included.
int WheelPane(int pointerX, float formLeftTw, float rightListLeftTw, int twipsPerPixelX);

// A result list's top index after a wheel turn: away from the user (wheel > 0)
// up by `step` but never below 0, towards the user down by `step` (the list
// limits that itself), unchanged for 0.
int WheelTopIndex(int top, int wheel, int step);

// Shift flags as the key events give them: 1 Shift, 2 Ctrl, 4 Alt.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Exactly Ctrl with the key A selects a text box's whole text.
bool IsSelectAllKey(int keyCode, int shift);

}  // namespace quorvex
