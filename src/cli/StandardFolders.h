// Folders through the standard library's file system: quorvex-compare's on
// Linux.
#pragma once

#include "sources/FolderWalk.h"

namespace quorvex::cli {

class StandardFolders final : public FolderReader {
public:
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override;
    std::string Child(const std::string& folder, const std::string& name) override;
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override;
};

}  // namespace quorvex::cli
