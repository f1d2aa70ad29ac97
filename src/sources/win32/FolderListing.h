// The walk of a folder tree for its listing: one line per entry, files and
// folders alike ("name", "folder\"), and on request the entries of every
// subfolder, written relative to the top folder ("\S\c.txt", "\S\U\").
#pragma once

#include <functional>
#include <string>

namespace quorvex {

// The listing lines of `path` (each ending in CR LF), written relative to
// `rootPath` or, when that is empty, to `path` itself. When `rootPath` is
// empty, `includeSubfolders` is asked once, at the first subfolder, whether
// to go below the top folder; otherwise the whole tree is listed.
std::string ListFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders);

}  // namespace quorvex
