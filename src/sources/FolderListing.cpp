// A pane filled with a folder's listing: one line per entry, files and
// folders alike ("name", "folder\"), and on request the entries of every
// subfolder, written relative to the top folder ("\S\c.txt", "\S\U\").
#include <set>
#include <vector>

#include "app/ProgramValues.h"
#include "app/Quorvex.h"
#include "compare/TextRoutines.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowText.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

enum class Consent { NotAsked, Yes, No };

bool IsDotEntry(const char* name) { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }

bool IsFolderEntry(const WIN32_FIND_DATAA& entry, const std::string& path) {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
    // A link is a folder only when its target is one.
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 || IsFolder(path);
}

}  // namespace

// The tree is walked with a stack of pending folders rather than recursion, in
// the same order: a folder's own entries first, then each of its subfolders
// in the order found, each with its whole subtree. A folder reached a second
// time (through a link) is not listed again, so a link back to an ancestor
// ends; the depth is bounded only by memory.
void Quorvex::AddListing(const std::string& path, int index, const std::string& rootPath) {
    Program().listingInProgress = true;
    if (rootPath.empty()) SetWindowTextA(Textbox[index], "");
    if (path.empty()) {
        Program().listingInProgress = false;
        return;
    }
    WaitCursor busy;
    const bool topLevel = rootPath.empty();
    const std::string& treeRoot = topLevel ? path : rootPath;
    std::string text = topLevel ? std::string() : WindowText(Textbox[index]);
    Consent consent = Consent::NotAsked;
    std::set<FolderId> listed;

    struct Pending {
        std::string path;
        bool callsOwn;  // the folder this call was asked for
    };
    std::vector<Pending> pending{{path, true}};
    while (!pending.empty()) {
        const Pending folder = std::move(pending.back());
        pending.pop_back();
        if (const auto id = IdentifyFolder(folder.path); id && !listed.insert(*id).second) continue;
        const std::string prefix = folder.callsOwn ? ListingPrefix(path, rootPath) : ListingPrefix(folder.path, treeRoot);
        // Only the top folder of a top-level call asks before going deeper.
        const bool asks = folder.callsOwn && topLevel;
        const std::string base = AddBackslash(folder.path);
        WIN32_FIND_DATAA entry{};
        UniqueFind find(FindFirstFileA((base + "*.*").c_str(), &entry));
        if (!find) continue;
        std::vector<std::string> subfolders;
        do {
            if (IsDotEntry(entry.cFileName)) continue;
            std::string entryPath = base + entry.cFileName;
            text += prefix;
            text += entry.cFileName;
            if (!IsFolderEntry(entry, entryPath)) {
                text += "\r\n";
                continue;
            }
            text += "\\\r\n";
            if (asks && consent == Consent::NotAsked)
                consent = ShowMessageBox(hwnd_, {.text = SubfolderQuestion(path),
                                                 .style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1,
                                                 .title = "Compare Folders"}) == IDYES
                              ? Consent::Yes
                              : Consent::No;
            if (!asks || consent == Consent::Yes) subfolders.push_back(std::move(entryPath));
        } while (FindNextFileA(find.get(), &entry));
        for (auto sub = subfolders.rbegin(); sub != subfolders.rend(); ++sub) pending.push_back({std::move(*sub), false});
    }
    SetWindowTextA(Textbox[index], text.c_str());
    Program().listingInProgress = false;
    Textbox_Change(index);
    Status[index].Tag = "contents of " + path;
}

}  // namespace quorvex
