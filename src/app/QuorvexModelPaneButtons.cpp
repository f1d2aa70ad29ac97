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

void QuorvexModel::BtnOpen_Click(int pane) {
    const std::string path = Confirmed(port_.ShowOpenDialog(), pane);
    if (!path.empty()) OpenFile(path, pane);
}

void QuorvexModel::BtnOpen_DropDown(int pane, const std::string& key) {
    if (key == "File") BtnOpen_Click(pane);
    if (key == "Folder") BrowseAndList(pane);
}

void QuorvexModel::BrowseAndList(int pane) {
    port_.ShowFolderBrowser();
    // Resolved in the value itself, so that the next showing preselects the
    // desktop's folder.
    std::string& folder = FolderLastChosen();
    if (folder == kDesktopChoice) folder = AddBackslash(port_.DesktopFolder());
    if (!folder.empty()) AddListing(folder, pane, "");
}

std::string QuorvexModel::PaneContent(int pane) const {
    if (!ShowsResults(view_)) return port_.Text(pane);
    return ResultContent(pane == 0 ? kept_.result.left : kept_.result.right);
}

void QuorvexModel::BtnCopy_Click(int pane) {
    const std::string content = PaneContent(pane);
    if (content.empty())
        port_.Tell(Notice::NothingToCopy);
    else
        port_.PutOnClipboard(content);
}

void QuorvexModel::BtnSave_Click(int pane) {
    const std::string content = PaneContent(pane);
    if (content.empty()) {
        port_.Tell(Notice::NothingToSave);
        return;
    }
    const std::string path = Confirmed(port_.ShowSaveDialog(), pane);
    if (!path.empty()) SaveFile(path, content);
}

// No line end is added: a list saved and opened again is the same list, and
// result lists already end every item with CR LF.
void QuorvexModel::SaveFile(const std::string& filename, const std::string& content) {
    port_.WriteFile(filename, content);
}

}  // namespace quorvex
