#include "sources/win32/FolderListing.h"

#include "compare/TextRoutines.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

bool IsDotEntry(const char* name) { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }

}  // namespace

// Read-only, hidden, system and archive entries are listed too.
std::optional<std::vector<FolderEntry>> WindowsFolderReader::Entries(const std::string& folder) {
    const std::string base = AddBackslash(folder);
    WIN32_FIND_DATAA found{};
    const UniqueFind find(FindFirstFileA((base + "*.*").c_str(), &found));
    if (!find) return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        if (IsDotEntry(found.cFileName)) continue;
        // By the entry's own path, which tells where a link leads. A name the
        // code page cannot spell leads nowhere, so that entry is a file.
        const DWORD byName = GetFileAttributesA((base + found.cFileName).c_str());
        const bool folder = byName != INVALID_FILE_ATTRIBUTES && (byName & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries.emplace_back(found.cFileName, folder, (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0);
    } while (FindNextFileA(find.get(), &found));
    return entries;
}

std::string WindowsFolderReader::Child(const std::string& folder, const std::string& name) {
    return AddBackslash(folder) + name;
}

std::optional<bool> WindowsFolderReader::SameFolder(const std::string& a, const std::string& b) {
    const auto first = IdentifyFolder(a), second = IdentifyFolder(b);
    if (!first || !second) return std::nullopt;
    return !(*first < *second) && !(*second < *first);
}

// Windows takes "a\.." by its spelling anyway, so the full path names the
// same folder; it keeps a long climb within MAX_PATH, which the ANSI calls
// would refuse.
std::string WindowsFolderReader::Parent(const std::string& folder) {
    const std::string up = Child(folder, "..");
    return FullPath(up).value_or(up);
}

std::string ListFolderTree(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders) {
    WindowsFolderReader reader;
    return WalkFolderTree(path, rootPath, includeSubfolders, reader);
}

}  // namespace quorvex
