#include "platform/win32/FileSystem.h"

#include <algorithm>
#include <iterator>
#include <new>

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

ReadResult ReadWholeFile(const std::string& path, std::uint64_t most, std::uint64_t unknownLengthLimit) {
    ReadResult result;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return result;
    result.opened = true;
    DWORD high = 0;
    const DWORD low = GetFileSize(file.get(), &high);
    const std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
    const bool told = (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR) && size > 0;
    const std::uint64_t held = std::min<std::uint64_t>(most, result.bytes.max_size());
    if (told && size > held) {
        result.fits = false;
        return result;
    }
    const std::uint64_t limit = told ? size : std::min(unknownLengthLimit, held);
    // A told length is taken at once; an untold one grows as it comes.
    try {
        std::size_t done = 0;
        for (DWORD read = 0; done < limit; done += read) {
            if (done == result.bytes.size()) {
                const std::uint64_t grown = told ? size : done * 2 + (1 << 16);
                result.bytes.resize(static_cast<std::size_t>(std::min(limit, grown)));
            }
            const std::size_t room = result.bytes.size() - done;
            const DWORD chunk = room > (1u << 24) ? (1u << 24) : static_cast<DWORD>(room);
            if (!ReadFile(file.get(), result.bytes.data() + done, chunk, &read, nullptr) || read == 0) break;
        }
        result.bytes.resize(done);
    } catch (const std::bad_alloc&) {
        result.bytes = std::string();
        result.fits = false;
    }
    return result;
}

namespace {

// A file of the program's own beside the target, made new. The system's
// unique name can be one that is taken (Wine hands one back when every name
// is), so the names are only spelt by it and each is created here, never
// opened; a name that is taken gives way to the next.
UniqueFile CreateTemporaryFile(const std::string& folder, const char* prefix, std::string& name) {
    const UINT start = GetTickCount() ^ GetCurrentProcessId();
    for (UINT i = 0; i < 0x10000; ++i) {
        const UINT unique = (start + i) & 0xFFFF;
        char path[MAX_PATH] = {};
        if (unique == 0) continue;  // 0 asks the system to make a file of its choice
        if (GetTempFileNameA(folder.c_str(), prefix, unique, path) == 0) return UniqueFile();
        UniqueFile file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            name = path;
            return file;
        }
        if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return UniqueFile();
    }
    return UniqueFile();
}

// The name the system gives what `path` opens, from the root of its volume;
// for a link, its target's. GetFinalPathNameByHandle comes with Vista, ntdll
// has told it since NT.
std::string NameOnVolume(const std::string& path) {
    using Query = LONG(WINAPI*)(HANDLE, ULONG_PTR*, void*, ULONG, int);
    constexpr int kFileNameInformation = 9;
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    const UniqueFile file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    struct {
        ULONG bytes;
        WCHAR name[1024];
    } info{};
    ULONG_PTR status[2] = {};  // an IO_STATUS_BLOCK
    if (!query || !file || query(file.get(), status, &info, sizeof info, kFileNameInformation) < 0) return {};
    char name[4 * std::size(info.name)];
    const int length = WideCharToMultiByte(CP_ACP, 0, info.name, static_cast<int>(info.bytes / sizeof(WCHAR)), name,
                                           static_cast<int>(std::size(name)), nullptr, nullptr);
    return std::string(name, length);
}

// ReplaceFile follows a link: Wine 8's moved the file a link led to under
// the backup's name, to be deleted with it. Windows shows a link as a
// reparse point; Wine 8 shows a link to a file as the file, and only the
// name the system gives what it opens tells: its folder's, then its own.
bool NamesTheFileItself(const std::string& path, const std::string& folder, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
    std::string expected = NameOnVolume(folder);
    if (expected.empty()) return false;
    if (expected.back() != '\\') expected += '\\';
    expected += path.substr(path.find_last_of("\\/") + 1);
    return lstrcmpiA(NameOnVolume(path).c_str(), expected.c_str()) == 0;
}

// Windows 2000 and later replace a file keeping what it was: its attributes,
// its security, its other streams. Windows Me has no ReplaceFileA. Nothing
// when the old way is to be taken, the files as they were.
std::optional<bool> ReplaceKeeping(const char* newFile, const std::string& path, const std::string& folder) {
    using Replace = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, DWORD, LPVOID, LPVOID);
    const auto replace = reinterpret_cast<Replace>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "ReplaceFileA")));
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (!replace || attributes == INVALID_FILE_ATTRIBUTES || !NamesTheFileItself(path, folder, attributes))
        return std::nullopt;
    // Wine 8's ReplaceFile moves names and carries no attribute over; Windows
    // carries these itself. A new file is one the next backup must take.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetFileAttributesA(newFile, (attributes & kept) | FILE_ATTRIBUTE_ARCHIVE);
    // With a backup named, a failed replace leaves the old file under its own
    // name or the backup's; without one Windows may have deleted it, and Wine
    // leaves a file of its own beside it. Only the name is wanted.
    std::string backup;
    if (!CreateTemporaryFile(folder, "qvo", backup)) return std::nullopt;
    DeleteFileA(backup.c_str());
    // Its write-through flag is not supported: the bytes are on the disk
    // already, only the names may wait.
    if (replace(path.c_str(), newFile, backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        DeleteFileA(backup.c_str());
        return true;
    }
    // After ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the old file is the backup: it
    // goes back, or, should it not, stays there rather than be lost.
    const DWORD error = GetLastError();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && !MoveFileA(backup.c_str(), path.c_str())) {
        SetLastError(error);
        return false;
    }
    return std::nullopt;
}

// The finished new file takes the place of `path`, in the old way where it
// cannot be replaced keeping what it was. Windows 95, 98 and Me have no
// MoveFileEx that moves: there the old file steps aside under a name of its
// own until the new one has its place, and comes back if it cannot.
bool PutInPlace(const char* newFile, const std::string& path, const std::string& folder) {
    if (IsNtFamily()) {
        if (const std::optional<bool> replaced = ReplaceKeeping(newFile, path, folder)) return *replaced;
        return MoveFileExA(newFile, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return MoveFileA(newFile, path.c_str());
    // Only the name is wanted: the file closes here, before it is deleted.
    std::string aside;
    if (!CreateTemporaryFile(folder, "qvo", aside)) return false;
    if (!DeleteFileA(aside.c_str()) || !MoveFileA(path.c_str(), aside.c_str())) return false;
    if (!MoveFileA(newFile, path.c_str())) {
        MoveFileA(aside.c_str(), path.c_str());
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

std::optional<std::string> FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::string(full, length);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 20) ? (1u << 20) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

ReplacingFile::~ReplacingFile() {
    if (!file_) return;
    file_ = UniqueFile();
    DeleteFileA(temporary_.c_str());
}

bool ReplacingFile::Open(const std::string& path) {
    // A rename can replace a read-only file that no write may change: Windows
    // refuses that, Wine does not. It is refused here either way.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::size_t slash = path.find_last_of("\\/");
    path_ = path;
    folder_ = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    file_ = CreateTemporaryFile(folder_, "qvx", temporary_);
    return static_cast<bool>(file_);
}

bool ReplacingFile::Write(const char* bytes, std::size_t size) { return WriteAll(file_.get(), {bytes, size}); }

bool ReplacingFile::Commit() {
    if (!FlushFileBuffers(file_.get())) return false;
    file_ = UniqueFile();
    if (PutInPlace(temporary_.c_str(), path_, folder_)) return true;
    const DWORD error = GetLastError();
    DeleteFileA(temporary_.c_str());
    SetLastError(error);
    return false;
}

bool WriteFileReplacing(const std::string& path, const std::string& content) {
    ReplacingFile file;
    return file.Open(path) && file.Write(content.data(), content.size()) && file.Commit();
}

std::string WriteNewFile(const std::string& folder, const char* prefix, const std::string& content) {
    std::string name;
    bool written = false;
    {
        const UniqueFile file = CreateTemporaryFile(folder, prefix, name);
        written = file && WriteAll(file.get(), content) && FlushFileBuffers(file.get());
    }
    if (written) return name;
    if (!name.empty()) DeleteFileA(name.c_str());
    return std::string();
}

std::optional<FolderId> IdentifyFolder(const std::string& path) {
    UniqueFile folder(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!folder || !GetFileInformationByHandle(folder.get(), &info)) return std::nullopt;
    return FolderId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace quorvex
