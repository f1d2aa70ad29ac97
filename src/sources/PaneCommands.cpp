// Each pane's Open (a file, or a folder from its drop-down), Copy and Save.
#include "app/QuorvexModel.h"
#include "compare/TextRoutines.h"
#include "folderbrowse/FolderChoice.h"
#include "sources/ListText.h"

namespace quorvex {

std::string QuorvexModel::Confirmed(std::string path, int pane) {
    if (TrimSpaces(path).empty()) return {};
    // Letter case counts: another spelling of the same file asks nothing.
    if (path == sourceLabel_[OtherPane(pane)] && !port_.Ask(Question::SameFile, path)) return {};
    return path;
}

void QuorvexModel::BtnOpen_Click(int index) {
    const std::string path = Confirmed(port_.ShowOpenDialog(), index);
    if (!path.empty()) OpenFile(path, index);
}

void QuorvexModel::BtnOpen_DropDown(int index, const std::string& key) {
    if (key == "File") BtnOpen_Click(index);
    if (key == "Folder") BrowseAndList(index);
}

void QuorvexModel::BrowseAndList(int pane) {
    port_.ShowFolderBrowser();
    // Resolved in the value itself, so that the next showing preselects the
    // desktop's folder.
    std::string& folder = FolderLastChosen();
    if (folder == kDesktopChoice) folder = AddBackslash(port_.DesktopFolder());
    if (!folder.empty()) AddListing(folder, pane, "");
}

std::string QuorvexModel::PaneContent(int index) const {
    if (!ShowsResults(view_)) return port_.Text(index);
    return ResultContent(index == 0 ? kept_.result.left : kept_.result.right);
}

void QuorvexModel::BtnCopy_Click(int index) {
    const std::string content = PaneContent(index);
    if (content.empty())
        port_.Tell(Notice::NothingToCopy);
    else
        port_.PutOnClipboard(content);
}

void QuorvexModel::BtnSave_Click(int index) {
    const std::string content = PaneContent(index);
    if (content.empty()) {
        port_.Tell(Notice::NothingToSave);
        return;
    }
    const std::string path = Confirmed(port_.ShowSaveDialog(), index);
    if (!path.empty()) SaveFile(path, content);
}

// No line end is added: a list saved and opened again is the same list, and
// result lists already end every item with CR LF.
void QuorvexModel::SaveFile(const std::string& filename, const std::string& content) {
    port_.WriteFile(filename, content);
}

}  // namespace quorvex
