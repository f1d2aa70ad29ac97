#include "window/BrowseLayout.h"

namespace quorvex {

void LayOutFolderBrowse(BrowseLayout& layout, float scaleWidth, float scaleHeight) {
    const auto margin = static_cast<float>(static_cast<short>(layout.explorer.left));
    Move(layout.explorer, margin, 2 * margin, scaleWidth - 2 * margin, scaleHeight - 4 * margin - layout.accept.height);
    MoveTo(layout.cancel, scaleWidth - layout.cancel.width - margin, scaleHeight - layout.cancel.height - margin);
    MoveTo(layout.accept, scaleWidth - 2 * layout.cancel.width - 2 * margin, layout.cancel.top);
    MoveTo(layout.helpMe, layout.explorer.left, layout.cancel.top);
}

}  // namespace quorvex
