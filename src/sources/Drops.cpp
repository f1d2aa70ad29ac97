#include "sources/Drops.h"

#include <unordered_set>

#include "app/QuorvexModel.h"
#include "compare/Collation.h"
#include "compare/TextRoutines.h"

namespace quorvex {
namespace {

// Selected from the cursor on, as drops always were: 65386 characters, not
// the 65536 it may look like.
constexpr std::size_t kDropSelectionLength = 65386;

}  // namespace

int DropPane(int x, int twipsPerPixelX, float scaleWidth) {
    const auto position = static_cast<short>(x * twipsPerPixelX);
    return scaleWidth / 2 > position ? 0 : 1;
}

std::string TextWithDroppedNames(std::string_view text, const std::vector<std::string>& paths) {
    std::unordered_set<std::string> lines;
    for (const auto line : SplitAtCrLf(text)) lines.insert(FoldCase(line));
    std::string result(text);
    for (const std::string& path : paths) {
        const std::string_view name = TrimSpaces(StripPath(TrimSpaces(path), "\\"));
        if (lines.count(FoldCase(StripPath(TrimSpaces(path), "\\")))) continue;
        if (!result.empty()) result += "\r\n";
        result += name;
    }
    return result;
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

}  // namespace quorvex
