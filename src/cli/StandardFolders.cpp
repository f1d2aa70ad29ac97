#include "cli/StandardFolders.h"

#include <filesystem>

namespace quorvex::cli {

namespace fs = std::filesystem;

std::optional<std::vector<FolderEntry>> StandardFolders::Entries(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) return std::nullopt;
    std::vector<FolderEntry> found;
    for (const auto& entry : entries) {
        std::error_code ignored;
        found.emplace_back(entry.path().filename().string(), fs::is_directory(entry.path(), ignored),
                           entry.is_symlink(ignored));
    }
    return found;
}

std::string StandardFolders::Child(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

std::optional<bool> StandardFolders::SameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    const bool same = fs::equivalent(a, b, error);
    if (error) return std::nullopt;
    return same;
}

}  // namespace quorvex::cli
