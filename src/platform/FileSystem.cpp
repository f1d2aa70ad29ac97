#include "platform/FileSystem.h"

#include "platform/Handles.h"

namespace quorvex {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::uint64_t> FileLength(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return result;
    result.opened = true;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 &&
        static_cast<unsigned long long>(size.QuadPart) < result.bytes.max_size())
        result.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[1 << 16];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) result.bytes.append(chunk, read);
    return result;
}

bool WriteFileReplacing(const std::string& path, const std::string& content) {
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
    if (written && MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
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
