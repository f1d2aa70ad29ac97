#include "folderbrowse/win32/FolderTree.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "compare/Collation.h"
#include "compare/TextRoutines.h"
#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

const char kDesktop[] = "Desktop";
const char kComputer[] = "My Computer";

// Paths are in the ANSI code page, which the user's locale may not use.
bool SamePath(const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) == 0; }

std::string SpecialFolder(int which) {
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, which, FALSE) ? path : "";
}

// The visible subfolders of a folder, by name in the user's order.
std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    // A drive without its disk gives no subfolders, not the system's "insert
    // a disk" box.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const UniqueFind find(FindFirstFileA((AddBackslash(folder) + "*.*").c_str(), &entry));
    SetErrorMode(errorMode);
    if (!find) return names;
    do {
        const std::string name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) &&
            name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find.get(), &entry));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) < 0; });
    return names;
}

}  // namespace

bool FolderTree::Create(HWND parent, int id) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    if (!Control::Create(
            {.parent = parent,
             .className = WC_TREEVIEWA,
             .style = WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
             .exStyle = WS_EX_CLIENTEDGE,
             .id = id}))
        return false;
    paths_.clear();
    filled_.clear();
    desktop_ = Add(TVI_ROOT, kDesktop, kDesktop, true);
    const std::string documents = SpecialFolder(CSIDL_PERSONAL);
    if (!documents.empty()) Add(desktop_, "My Documents", documents, true);
    computer_ = Add(desktop_, kComputer, kComputer, true);
    char drives[512] = {};
    const DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(std::size(drives)), drives);
    for (const char* drive = drives; length > 0 && length < std::size(drives) && *drive; drive += lstrlenA(drive) + 1)
        Add(computer_, std::string(drive, 2), drive, true);
    const std::string desktopFolder = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    for (const std::string& name : desktopFolder.empty() ? std::vector<std::string>() : Subfolders(desktopFolder))
        Add(desktop_, name, AddBackslash(desktopFolder) + name, true);
    TreeView_Expand(hWnd(), desktop_, TVE_EXPAND);
    return true;
}

HTREEITEM FolderTree::Add(HTREEITEM parent, const std::string& text, std::string path, bool mayHaveChildren) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.cChildren = mayHaveChildren ? 1 : 0;
    insert.item.lParam = static_cast<LPARAM>(paths_.size());
    paths_.push_back(std::move(path));
    // The desktop and the computer have their children from the start.
    filled_.push_back(parent == TVI_ROOT || paths_.back() == kComputer ? 1 : 0);
    return reinterpret_cast<HTREEITEM>(SendMessageA(hWnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

const std::string& FolderTree::PathOf(HTREEITEM item) const {
    static const std::string none;
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (item == nullptr || !SendMessageA(hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return none;
    const auto index = static_cast<std::size_t>(data.lParam);
    return index < paths_.size() ? paths_[index] : none;
}

std::string FolderTree::SelectedPath() const { return PathOf(TreeView_GetSelection(hWnd())); }

void FolderTree::FillChildren(HTREEITEM item) {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageA(hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return;
    const auto index = static_cast<std::size_t>(data.lParam);
    if (index >= filled_.size() || filled_[index]) return;
    filled_[index] = 1;
    const std::string folder = paths_[index];
    WaitCursor busy;  // a network folder or a slow drive can take a while
    const std::vector<std::string> names = Subfolders(folder);
    for (const std::string& name : names) Add(item, name, AddBackslash(folder) + name, true);
    if (names.empty()) {
        data.mask = TVIF_CHILDREN;
        data.cChildren = 0;
        SendMessageA(hWnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    }
}

void FolderTree::Expand(HTREEITEM item) {
    FillChildren(item);
    TreeView_Expand(hWnd(), item, TVE_EXPAND);
}

HTREEITEM FolderTree::ChildWithPath(HTREEITEM parent, const std::string& path) {
    Expand(parent);
    for (HTREEITEM child = TreeView_GetChild(hWnd(), parent); child; child = TreeView_GetNextSibling(hWnd(), child))
        if (SamePath(PathOf(child), path)) return child;
    return nullptr;
}

void FolderTree::SetSelectedPath(const std::string& path) {
    HTREEITEM found = nullptr;
    if (SamePath(path, kDesktop) || path == "\"Desktop\"") {
        found = desktop_;
    } else if (SamePath(path, kComputer)) {
        found = computer_;
    } else if (path.size() >= 2 && path[1] == ':') {
        // Down from the drive, one name at a time, as far as the folders exist.
        found = ChildWithPath(computer_, path.substr(0, 2) + "\\");
        std::string reached = path.substr(0, 2);
        for (std::size_t start = 3; found != nullptr && start < path.size();) {
            const std::size_t end = std::min(path.find('\\', start), path.size());
            const std::string next = reached + "\\" + path.substr(start, end - start);
            const HTREEITEM child = end > start ? ChildWithPath(found, next) : nullptr;
            if (child == nullptr) break;
            found = child;
            reached = next;
            start = end + 1;
        }
    }
    if (found == nullptr) return;
    TreeView_SelectItem(hWnd(), found);
    TreeView_EnsureVisible(hWnd(), found);
}

std::optional<LRESULT> FolderTree::OnNotify(const NMHDR& header) {
    switch (header.code) {
        case TVN_ITEMEXPANDINGA:
            FillChildren(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
            return std::nullopt;
        case TVN_SELCHANGEDA:
            if (onSelectionChanged) onSelectionChanged();
            return std::nullopt;
        case NM_DBLCLK:
        case NM_RETURN:
            if (TreeView_GetSelection(hWnd()) == nullptr) return std::nullopt;
            if (onActivated) onActivated();
            return TRUE;  // no expanding on top of it
        default:
            return std::nullopt;
    }
}

}  // namespace quorvex
