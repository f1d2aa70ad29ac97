#include "sources/win32/FolderListing.h"

#include <vector>

#include "compare/TextRoutines.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

enum class Consent { NotAsked, Yes, No };

bool IsDotEntry(const char* name) { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }

// A folder waiting to be listed, and the folder whose listing found it.
struct Folder {
    std::string path;
    std::size_t parent;
    bool callsOwn;  // the folder the listing was asked for
};
constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// Only a link can lead the walk back into a folder that is already on its
// way down, and so into an endless walk: a link whose target is the folder
// holding it or one of its ancestors is not followed. A link whose target
// cannot be identified is not followed either. Other links are followed
// like any folder, so their contents are listed under their own names.
bool LeadsBackUp(const std::vector<Folder>& folders, std::size_t holder, const std::string& link) {
    const auto target = IdentifyFolder(link);
    if (!target) return true;
    for (std::size_t i = holder; i != kNoParent; i = folders[i].parent) {
        const auto id = IdentifyFolder(folders[i].path);
        if (id && !(*id < *target) && !(*target < *id)) return true;
    }
    return false;
}

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
    std::vector<Folder> folders{{path, kNoParent, true}};
    std::vector<std::size_t> pending{0};
    while (!pending.empty()) {
        const std::size_t current = pending.back();
        pending.pop_back();
        const Folder folder = folders[current];
        const std::string prefix = folder.callsOwn ? ListingPrefix(path, rootPath) : ListingPrefix(folder.path, treeRoot);
        // Only the top folder of a top-level call asks before going deeper.
        const bool asks = folder.callsOwn && topLevel;
        const std::string base = AddBackslash(folder.path);
        WIN32_FIND_DATAA entry{};
        UniqueFind find(FindFirstFileA((base + "*.*").c_str(), &entry));
        if (!find) continue;
        std::vector<std::size_t> subfolders;
        do {
            if (IsDotEntry(entry.cFileName)) continue;
            std::string entryPath = base + entry.cFileName;
            text += prefix;
            text += entry.cFileName;
            // By the entry's own path: an entry whose name the code page
            // cannot spell reads as no folder at all.
            if (!IsFolder(entryPath)) {
                text += "\r\n";
                continue;
            }
            text += "\\\r\n";
            if (asks && consent == Consent::NotAsked) consent = includeSubfolders() ? Consent::Yes : Consent::No;
            if (asks && consent != Consent::Yes) continue;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && LeadsBackUp(folders, current, entryPath))
                continue;
            subfolders.push_back(folders.size());
            folders.push_back({std::move(entryPath), current, false});
        } while (FindNextFileA(find.get(), &entry));
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    return text;
}

}  // namespace quorvex
