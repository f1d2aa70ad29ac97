// The main window's layout arithmetic, in twips: the panes share the width
// equally and take all the height that the buttons, status boxes and the
// bottom frames leave.
#pragma once

#include <array>

#include "window/Twips.h"

namespace quorvex {

// Current places of the controls the layout moves; each layout reads and
// writes them, so a move that fails leaves its control's previous place.
struct MainLayout {
    std::array<RectTw, 2> textbox;
    std::array<RectTw, 2> listbox;
    std::array<RectTw, 2> status;
    std::array<RectTw, 2> btnOpen;
    std::array<RectTw, 2> btnCopy;
    std::array<RectTw, 2> btnSave;
    RectTw controlFrame;
    RectTw optionFrame;
};

// The space around the form's controls: on all four sides of the form, and
// between neighbours.
constexpr float kMargin = 60;

// The controls inside the two frames, relative to their frame. The frames
// move; what they hold never does.
struct FrameContents {
    // "Show Similarities Only", "Show Differences Only".
    std::array<RectTw, 2> compareIt;
    RectTw btnHelp;
    RectTw optSync;
    RectTw optSort;
    RectTw optCaseSensitive;
};

constexpr FrameContents kFrameContents = {
    .compareIt = {{{180, 360, 2355, 435}, {2640, 360, 2355, 435}}},
    .btnHelp = {5100, 360, 435, 435},
    .optSync = {180, 240, 1515, 255},
    .optSort = {180, 480, 1515, 255},
    .optCaseSensitive = {180, 720, 1515, 255},
};

// Design inner size of the main form.
constexpr float kDesignScaleWidth = 7635;
constexpr float kDesignScaleHeight = 4710;

// The controls at their design sizes, before the first layout places them.
MainLayout DesignLayout();

// Lays the controls out for an inner size of scaleWidth x scaleHeight. A move
// that would give a control a negative width or height is skipped as a whole;
// moves that give only negative positions are made.
void LayOutMainForm(MainLayout& layout, float scaleWidth, float scaleHeight);

}  // namespace quorvex
