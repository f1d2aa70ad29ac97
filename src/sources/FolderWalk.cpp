#include "sources/FolderWalk.h"

#include "sources/ListText.h"

namespace quorvex {
namespace {

enum class Consent { NotAsked, Yes, No };

// A folder waiting to be listed: its path, the prefix of its lines and the
// folder whose listing found it.
struct Folder {
    std::string path;
    std::string prefix;
    std::size_t parent;
};
constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// No real tree is this deep; the climb stops here should a reader never
// find the root.
constexpr std::size_t kDeepestClimb = 256;

// The folders above `path`, climbed through the reader's parents up to the
// folder that is its own parent. The spelling shows none above "top", and
// above a top folder that is a link it shows the link's folders, not those of
// where it leads.
std::vector<std::string> FoldersAbove(const std::string& path, FolderReader& reader) {
    std::vector<std::string> above;
    while (above.size() < kDeepestClimb) {
        const std::string& below = above.empty() ? path : above.back();
        std::string parent = reader.Parent(below);
        const auto same = reader.SameFolder(parent, below);
        if (!same || *same) break;
        above.push_back(std::move(parent));
    }
    return above;
}

// Only a link can lead the walk back into a folder that is already on its
// way down, or above where it began, and so into an endless walk: a link
// whose target is the folder holding it, one of its ancestors or a folder
// above the top is not followed. A link whose target cannot be told apart
// from the folders on the way down is not followed either. Other links are
// followed like any folder, so their contents are listed under their own
// names.
bool LeadsBackUp(const std::vector<Folder>& folders, std::size_t holder, const std::string& link,
                 const std::vector<std::string>& above, FolderReader& reader) {
    for (std::size_t i = holder; i != kNoParent; i = folders[i].parent) {
        const auto same = reader.SameFolder(link, folders[i].path);
        if (!same || *same) return true;
    }
    for (const std::string& folder : above)
        if (reader.SameFolder(link, folder).value_or(false)) return true;
    return false;
}

}  // namespace

// The tree is walked with a stack of pending folders rather than recursion, in
// the same order: a folder's own entries first, then each of its subfolders
// in the order found, each with its whole subtree. The depth is bounded only
// by memory. The folders above are climbed at the first link, so that a tree
// without links costs no more than its listing.
std::string WalkFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders, FolderReader& reader,
                           std::string_view lineEnd) {
    std::string text;
    Consent consent = Consent::NotAsked;
    std::vector<Folder> folders{{path, ListingPrefix(path, rootPath), kNoParent}};
    std::vector<std::size_t> pending{0};
    std::optional<std::vector<std::string>> above;
    while (!pending.empty()) {
        const std::size_t current = pending.back();
        pending.pop_back();
        const auto entries = reader.Entries(folders[current].path);
        if (!entries) continue;
        // Only the top folder of a top-level call asks before going deeper.
        const bool asks = current == 0 && rootPath.empty();
        std::vector<std::size_t> subfolders;
        for (const FolderEntry& entry : *entries) {
            const std::string& prefix = folders[current].prefix;
            text += prefix;
            text += entry.name;
            if (entry.folder) text += '\\';
            text += lineEnd;
            if (!entry.folder) continue;
            if (asks && consent == Consent::NotAsked) consent = includeSubfolders() ? Consent::Yes : Consent::No;
            if (asks && consent != Consent::Yes) continue;
            std::string child = reader.Child(folders[current].path, entry.name);
            if (entry.link && !above) above = FoldersAbove(path, reader);
            if (entry.link && LeadsBackUp(folders, current, child, *above, reader)) continue;
            subfolders.push_back(folders.size());
            folders.push_back({std::move(child), (prefix.empty() ? "\\" : prefix) + entry.name + "\\", current});
        }
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    return text;
}

}  // namespace quorvex
