// The walk of a folder tree for its listing: one line per entry, files and
// folders alike ("name", "folder\"), and on request the entries of every
// subfolder, written relative to the top folder ("\S\c.txt", "\S\U\"). The
// file system comes through a FolderReader: Windows' own in the program, the
// standard library's in quorvex-compare.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex {

struct FolderEntry {
    FolderEntry(std::string name, bool folder = false, bool link = false)
        : name(std::move(name)), folder(folder), link(link) {}
    std::string name;
    bool folder = false;  // its own path names a folder
    bool link = false;    // a link to a folder, which may lead anywhere
};

class FolderReader {
public:
    // A folder's entries in the order the system gives them, "." and ".."
    // left out; nothing when the folder cannot be read.
    virtual std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) = 0;
    // The path of the entry `name` of `folder`.
    virtual std::string Child(const std::string& folder, const std::string& name) = 0;
    // Whether two paths lead to the same folder; nothing when either cannot
    // be told.
    virtual std::optional<bool> SameFolder(const std::string& a, const std::string& b) = 0;
    // The folder holding `folder`, as the system's ".." finds it: where ".."
    // is taken after links, the one holding where a link leads.
    virtual std::string Parent(const std::string& folder) { return Child(folder, ".."); }

protected:
    ~FolderReader() = default;
};

// The listing lines of `path`, each ending in `lineEnd`, written relative to
// `rootPath` or, when that is empty, to `path` itself. When `rootPath` is
// empty, `includeSubfolders` is asked once, at the first subfolder, whether
// to go below the top folder; otherwise the whole tree is listed.
std::string WalkFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders, FolderReader& reader,
                           std::string_view lineEnd = "\r\n");

}  // namespace quorvex
