#include "platform/win32/FileSystem.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WindowsVersion.h"

namespace quorvex {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::uint64_t> FileLength(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    const UniqueFind find(FindFirstFileA(path.c_str(), &entry));
    if (!find || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return (static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return result;
    result.opened = true;
    DWORD high = 0;
    const DWORD low = GetFileSize(file.get(), &high);
    const std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
    if (low != INVALID_FILE_SIZE && size > 0 && size < result.bytes.max_size())
        result.bytes.reserve(static_cast<std::size_t>(size));
    char chunk[1 << 16];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) result.bytes.append(chunk, read);
    return result;
}

namespace {

// The finished new file takes the place of `path`. Windows 95, 98 and Me have
// no MoveFileEx that moves: there the old file steps aside under a name of
// its own until the new one has its place, and comes back if it cannot.
bool PutInPlace(const char* newFile, const std::string& path, const std::string& folder) {
    if (IsNtFamily()) return MoveFileExA(newFile, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return MoveFileA(newFile, path.c_str());
    char aside[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "qvo", 0, aside) == 0 || !DeleteFileA(aside) || !MoveFileA(path.c_str(), aside))
        return false;
    if (!MoveFileA(newFile, path.c_str())) {
        MoveFileA(aside, path.c_str());
        return false;
    }
    DeleteFileA(aside);
    return true;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, const std::string& content) {
    // A rename can replace a read-only file that no write may change: Windows
    // refuses that, Wine does not. The save fails either way.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "qvx", 0, temporary) == 0) return false;
    bool written = false;
    {
        UniqueFile file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = static_cast<bool>(file);
        const char* data = content.data();
        std::size_t left = content.size();
        while (written && left > 0) {
            const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
            DWORD done = 0;
            written = WriteFile(file.get(), data, chunk, &done, nullptr) && done == chunk;
            data += chunk;
            left -= chunk;
        }
        written = written && FlushFileBuffers(file.get());
    }
    if (written && PutInPlace(temporary, path, folder)) return true;
    DeleteFileA(temporary);
    return false;
}

std::optional<FolderId> IdentifyFolder(const std::string& path) {
    UniqueFile folder(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!folder || !GetFileInformationByHandle(folder.get(), &info)) return std::nullopt;
    return FolderId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace quorvex
