// A pane filled with a folder's listing (the lines: ListText.h; the walk:
// win32/FolderListing.h).
#include "app/QuorvexModel.h"

namespace quorvex {
namespace {

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

// The text is built in memory and set once; the listing flag keeps the
// pane's change handling out until it is there.
void QuorvexModel::AddListing(const std::string& path, int index, const std::string& rootPath) {
    RaisedFlag listing(listingInProgress_);
    if (rootPath.empty()) port_.SetText(index, "");
    if (path.empty()) return;
    std::string text = rootPath.empty() ? std::string() : port_.Text(index);
    text += port_.ListFolder(path, rootPath, [&] { return port_.Ask(Question::Subfolders, path); });
    port_.SetText(index, text);
    listing.Lower();
    Textbox_Change(index);
    sourceLabel_[index] = "contents of " + path;
}

}  // namespace quorvex
