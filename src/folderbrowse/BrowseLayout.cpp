#include "folderbrowse/BrowseLayout.h"

namespace quorvex {

void LayOutFolderBrowse(BrowseLayout& l, float w, float h) {
    const auto m = static_cast<float>(static_cast<short>(l.explorer.left));
    Move(l.explorer, m, 2 * m, w - 2 * m, h - 4 * m - l.accept.height);
    MoveTo(l.cancel, w - l.cancel.width - m, h - l.cancel.height - m);
    MoveTo(l.accept, w - 2 * l.cancel.width - 2 * m, l.cancel.top);
    MoveTo(l.helpMe, l.explorer.left, l.cancel.top);
}

}  // namespace quorvex
