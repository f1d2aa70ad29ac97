// Files and folders dropped onto the main window: which pane takes them, and
// the names a pane's list gets from them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// The pane under a drop at `dropX` client pixels: the right one from the middle
// of the form's inner width (twips) on. The position in twips is a 16-bit
// value, as the forms keep it.
int DropPane(int dropX, int twipsPerPixelX, float scaleWidth);

// The pane's text with the dropped items' own names added, a line each, each
// after a CR LF when the text is not empty. A name that a line of the text
// already holds, letter case ignored, is not added; dropped names are not
// checked against each other. Costs one pass over the text and the names.
std::string TextWithDroppedNames(std::string_view text, const std::vector<std::string>& paths);

}  // namespace quorvex
