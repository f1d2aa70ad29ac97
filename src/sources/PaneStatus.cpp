// A pane's status line: its item count 50 ms after the last change of its
// text, and the file or folder the list came from.
#include "app/QuorvexModel.h"
#include "sources/ItemCount.h"

namespace quorvex {

void QuorvexModel::Textbox_Change(int index) {
    if (listingInProgress_) return;
    if (port_.TextLength(index) == 0) sourceLabel_[index].clear();
    port_.SetStatusTimer(index, false);
    port_.SetStatusTimer(index, true);
}

void QuorvexModel::StatusTimer_Timer(int index) {
    port_.SetStatusTimer(index, false);
    const std::int64_t count = ItemCountFromLines(port_.LineCount(index), port_.Text(index));
    port_.SetStatus(index, StatusText(count, sourceLabel_[index]));
}

}  // namespace quorvex
