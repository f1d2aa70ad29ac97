// The main form's compare buttons and options; the engine is compare/'s.
#include <exception>

#include "app/QuorvexModel.h"
#include "sources/ItemCount.h"

namespace quorvex {

void QuorvexModel::CompareIt_Click(int button) {
    view_ = ViewAfterClick(view_, button);
    port_.ShowView(view_);
    if (ShowsResults(view_)) {
        DoCompare();
    } else {
        for (int pane = 0; pane < 2; ++pane) port_.SetStatusTimer(pane, true);
    }
    port_.FocusCompareButton(button);
}

// Sync scrolling only decides what later scrolls do.
void QuorvexModel::Option_Click(Option option) {
    bool& value = option == Option::Sync   ? options_.sync
                  : option == Option::Sort ? options_.sort
                                           : options_.caseSensitive;
    value = !value;
    port_.ShowOptions(options_);
    if (option != Option::Sync) DoCompare();
}

// In the edit view too: the hidden lists get the similarities, and the
// status boxes their counts until the panes' texts change.
void QuorvexModel::DoCompare() {
    kept_ = {};
    port_.ShowResults(kept_.result);
    try {
        for (int pane = 0; pane < 2; ++pane) kept_.texts[pane] = port_.Text(pane);
        // "Case sensitive" reads the other way round from how it acts:
        // checked, items that differ only in letter case match.
        kept_.result = CompareLists(kept_.texts[0], kept_.texts[1],
                                    {.mode = ModeOf(view_),
                                     .caseRule = options_.caseSensitive ? CaseRule::Folded : CaseRule::Exact,
                                     .sort = options_.sort});
        port_.ShowResults(kept_.result);
    } catch (const std::exception&) {
        // Out of memory for the lists: the panes show and count what was kept.
    }
    port_.SetStatus(0, ItemsText(static_cast<std::int64_t>(kept_.result.left.size())));
    port_.SetStatus(1, ItemsText(static_cast<std::int64_t>(kept_.result.right.size())));
}

}  // namespace quorvex
