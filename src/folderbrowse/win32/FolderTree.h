// The folder tree of the folder browser, on the standard tree-view class so
// that accessibility tools and automation can read and drive it: the desktop
// at the root, the computer with its drives and the user's folders below it.
// A folder's subfolders are read when it is first expanded.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Controls.h"

namespace quorvex {

class FolderTree : public Control {
public:
    bool Create(HWND parent, int id);

    // A file-system folder's path (a drive root with its "\"), "Desktop" for
    // the desktop, a name without "\" for another virtual folder; empty when
    // nothing is selected.
    std::string SelectedPath() const;
    // Selects and reveals a folder; a path that no longer exists selects its
    // nearest existing parent.
    void SetSelectedPath(const std::string& path);

    std::function<void()> onSelectionChanged;
    // A double-click or Enter on the selected folder.
    std::function<void()> onActivated;

    std::optional<LRESULT> OnNotify(const NMHDR& header) override;

private:
    HTREEITEM Add(HTREEITEM parent, const std::string& text, std::string path, bool mayHaveChildren);
    const std::string& PathOf(HTREEITEM item) const;
    void Expand(HTREEITEM item);
    void FillChildren(HTREEITEM item);
    HTREEITEM ChildWithPath(HTREEITEM parent, const std::string& path);

    std::vector<std::string> paths_;  // by item parameter
    std::vector<char> filled_;
    HTREEITEM desktop_ = nullptr;
    HTREEITEM computer_ = nullptr;
};

}  // namespace quorvex
