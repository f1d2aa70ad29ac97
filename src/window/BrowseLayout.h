// The folder browser's layout arithmetic, in twips: the tree fills the form
// above a row of three buttons.
#pragma once

#include "window/Twips.h"

namespace quorvex {

struct BrowseLayout {
    RectTw explorer{60, 60, 4275, 3240};
    RectTw helpMe{60, 3480, 1155, 375};
    RectTw accept{1980, 3480, 1155, 375};
    RectTw cancel{3240, 3480, 1155, 375};
};

// Design inner size of the folder browser.
constexpr float kBrowseScaleWidth = 4530;
constexpr float kBrowseScaleHeight = 3990;

// Lays the controls out for an inner size; the margin is the tree's current
// left, taken as a 16-bit integer. Moves to negative sizes are skipped.
void LayOutFolderBrowse(BrowseLayout& layout, float scaleWidth, float scaleHeight);

}  // namespace quorvex
