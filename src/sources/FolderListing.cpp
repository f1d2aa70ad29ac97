#include "sources/FolderListing.h"

#include <set>
#include <vector>

#include "compare/TextRoutines.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "platform/MessageBoxes.h"
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

// Only links make a folder reachable twice. Until the walk meets one, it
// just remembers the folders it listed; from the first link on it knows every
// folder by its identity and skips one it has listed already, so that a link
// back to an ancestor ends and each real folder is listed once. Trees without
// links pay nothing for this.
class ListedFolders {
public:
    // False when the folder was listed before.
    bool FirstVisit(const std::string& path, bool reachedThroughLink) {
        if (reachedThroughLink && !identifying_) {
            identifying_ = true;
            for (const auto& earlier : paths_)
                if (const auto id = IdentifyFolder(earlier)) ids_.insert(*id);
            paths_.clear();
        }
        if (!identifying_) {
            paths_.push_back(path);
            return true;
        }
        const auto id = IdentifyFolder(path);
        return !id || ids_.insert(*id).second;
    }

private:
    bool identifying_ = false;
    std::vector<std::string> paths_;
    std::set<FolderId> ids_;
};

}  // namespace

// The tree is walked with a stack of pending folders rather than recursion, in
// the same order: a folder's own entries first, then each of its subfolders
// in the order found, each with its whole subtree. The depth is bounded only
// by memory.
std::string ListFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders) {
    const bool topLevel = rootPath.empty();
    const std::string& treeRoot = topLevel ? path : rootPath;
    std::string text;
    Consent consent = Consent::NotAsked;
    ListedFolders listed;
    struct Pending {
        std::string path;
        bool callsOwn;  // the folder this call was asked for
        bool throughLink;
    };
    std::vector<Pending> pending{{path, true, false}};
    while (!pending.empty()) {
        const Pending folder = std::move(pending.back());
        pending.pop_back();
        if (!listed.FirstVisit(folder.path, folder.throughLink)) continue;
        const std::string prefix = folder.callsOwn ? ListingPrefix(path, rootPath) : ListingPrefix(folder.path, treeRoot);
        // Only the top folder of a top-level call asks before going deeper.
        const bool asks = folder.callsOwn && topLevel;
        const std::string base = AddBackslash(folder.path);
        WIN32_FIND_DATAA entry{};
        UniqueFind find(FindFirstFileA((base + "*.*").c_str(), &entry));
        if (!find) continue;
        std::vector<Pending> subfolders;
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
            if (asks && consent == Consent::NotAsked) consent = includeSubfolders() ? Consent::Yes : Consent::No;
            if (!asks || consent == Consent::Yes)
                subfolders.push_back({std::move(entryPath), false, (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
        } while (FindNextFileA(find.get(), &entry));
        for (auto sub = subfolders.rbegin(); sub != subfolders.rend(); ++sub) pending.push_back(std::move(*sub));
    }
    return text;
}

bool AskIncludeSubfolders(HWND owner, const std::string& folder) {
    return ShowMessageBox(owner, {.text = SubfolderQuestion(folder),
                                  .style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1,
                                  .title = "Compare Folders"}) == IDYES;
}

}  // namespace quorvex
