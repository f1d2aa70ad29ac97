// The main form's views: its editable lists, or the result lists of one of
// the two compare modes. Each compare button latches its mode.
#pragma once

#include "compare/CompareEngine.h"

namespace quorvex {

enum class View { Edit, Similarities, Differences };

// The view after a click on compare button `button` (0 Similarities,
// 1 Differences): the button's mode when it was released, the edit view when
// it was the pressed one.
inline View ViewAfterClick(View current, int button) {
    const View mode = button == 0 ? View::Similarities : View::Differences;
    return current == mode ? View::Edit : mode;
}

inline bool ShowsResults(View view) { return view != View::Edit; }

// The edit view compares by similarities, as when neither button is pressed.
inline CompareMode ModeOf(View view) {
    return view == View::Differences ? CompareMode::Differences : CompareMode::Similarities;
}

}  // namespace quorvex
