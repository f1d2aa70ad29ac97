// Synchronised scrolling of the two panes, the select-all key of their text
// boxes (the procedures that catch them: window/win32/PaneHooks.h).
#include "app/QuorvexModel.h"
#include "window/ScrollRules.h"

namespace quorvex {

// The sync runs from the timer, once the box has taken the scroll; the pane
// scrolled last leads.
void QuorvexModel::Textbox_Scrolled(int pane) {
    if (!options_.sync || listingInProgress_) return;
    syncPane_ = pane;
    port_.SetSyncTimer(true);
}

void QuorvexModel::SyncTimer_Timer() {
    port_.SetSyncTimer(false);
    if (syncPane_) Sync(*syncPane_);
}

void QuorvexModel::Sync(int pane) { port_.AlignOtherPane(pane, ShowsResults(view_)); }

// A hidden result list that a wheel turn moved in the edit view moves no
// text box.
void QuorvexModel::Listbox_Scrolled(int pane) {
    if (options_.sync && ShowsResults(view_)) Sync(pane);
}

void QuorvexModel::Textbox_KeyDown(int pane, int keyCode, int shift) {
    if (IsSelectAllKey(keyCode, shift)) port_.Select(pane, 0, port_.TextLength(pane));
}

}  // namespace quorvex
