// Folders read through Windows' ANSI file API for the listing's walk
// (FolderWalk.h).
#pragma once

#include <functional>
#include <string>

#include "sources/FolderWalk.h"

namespace quorvex {

class WindowsFolderReader final : public FolderReader {
public:
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override;
    std::string Child(const std::string& folder, const std::string& name) override;
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override;
    std::string Parent(const std::string& folder) override;
};

// WalkFolderTree through Windows' file API.
std::string ListFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders);

}  // namespace quorvex
