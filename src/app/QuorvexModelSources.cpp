// Where a pane's list comes from: a text file, a folder's listing, or names
// dropped onto the window; and the pane's status line, its item count 50 ms
// after the last change of its text and the file or folder the list came
// from. The rules themselves are the subsystem's (sources/).
#include <new>

#include "app/QuorvexModel.h"
#include "sources/Drops.h"
#include "sources/ItemCount.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

// Selected from the cursor on, as drops always were: 65386 characters, not
// the 65536 it may look like.
constexpr std::size_t kDropSelectionLength = 65386;

// Raised for the listing's scope, so that even a listing that fails (out of
// memory) leaves the pane's change handling working.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedFlag() { Lower(); }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;
    void Lower() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

// Every byte one character of the ANSI code page, line feeds made CR LF when
// the file has no carriage return. The question needs the length: a file
// that cannot be measured is read, or found missing, without it. A file that
// cannot be opened, or that memory cannot hold, empties the pane and still
// names it.
void QuorvexModel::OpenFile(const std::string& filename, int pane) {
    const auto length = port_.FileLength(filename);
    if (length && *length > kLargeFileBytes && !port_.Ask(Question::LargeFile, filename)) return;
    std::string text;
    try {
        text = port_.ReadFile(filename);
        NormaliseLineEnds(text);
    } catch (const std::bad_alloc&) {
        text = std::string();
    }
    port_.SetText(pane, text);
    Textbox_Change(pane);
    sourceLabel_[pane] = filename;
}

// The text is built in memory and set once; the listing flag keeps the
// pane's change handling out until it is there.
void QuorvexModel::AddListing(const std::string& path, int pane, const std::string& rootPath) {
    RaisedFlag listing(listingInProgress_);
    if (rootPath.empty()) port_.SetText(pane, "");
    if (path.empty()) return;
    std::string text = rootPath.empty() ? std::string() : port_.Text(pane);
    text += port_.ListFolder(path, rootPath, [&] { return port_.Ask(Question::Subfolders, path); });
    port_.SetText(pane, text);
    listing.Lower();
    Textbox_Change(pane);
    sourceLabel_[pane] = "contents of " + path;
}

// One item onto an empty pane is opened; otherwise the items' names are
// added to the pane's list and selected. A drop that comes while a listing
// asks about subfolders is let go: the listing is about to set the text.
void QuorvexModel::Form_Drop(int pane, const std::vector<std::string>& paths) {
    if (listingInProgress_ || paths.empty()) return;
    const std::string text = port_.Text(pane);
    std::size_t start = text.size();
    if (paths.size() == 1 && text.empty()) {
        if (port_.IsFolder(paths[0]))
            AddListing(paths[0], pane, "");
        else
            OpenFile(paths[0], pane);
        start = 0;  // a new text puts the cursor at its start
    } else {
        // Only the added names go in, at the end: replacing a long text
        // costs the edit control far more than adding to it.
        port_.AddText(pane, TextWithDroppedNames(text, paths).substr(text.size()));
        Textbox_Change(pane);
    }
    port_.Select(pane, start, kDropSelectionLength);
}

void QuorvexModel::Textbox_Change(int pane) {
    if (listingInProgress_) return;
    if (port_.TextLength(pane) == 0) sourceLabel_[pane].clear();
    port_.SetStatusTimer(pane, false);
    port_.SetStatusTimer(pane, true);
}

void QuorvexModel::StatusTimer_Timer(int pane) {
    port_.SetStatusTimer(pane, false);
    const std::int64_t count = ItemCountFromLines(port_.LineCount(pane), port_.Text(pane));
    port_.SetStatus(pane, StatusText(count, sourceLabel_[pane]));
}

}  // namespace quorvex
