// Files and folders through the ANSI file API (no C++ streams: their runtime
// imports functions that Windows 2000 lacks).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/Handles.h"

namespace quorvex {

// True when `path` names an existing folder; false when it does not or its
// attributes cannot be read.
bool IsFolder(const std::string& path);

// The file's length in bytes, when it can be read without opening the file.
std::optional<std::uint64_t> FileLength(const std::string& path);

// The full path of `path`; nothing when it has none within MAX_PATH.
std::optional<std::string> FullPath(const std::string& path);

// Writes all of `bytes`, a megabyte at most a call (as consoles and pipes
// take them), again after a short write; false when a write fails or writes
// nothing.
bool WriteAll(HANDLE file, std::string_view bytes);

// The longest file the window holds in memory. The 32-bit program has 2 GB
// for the file, its text and the text box's copy in wide characters.
constexpr std::uint64_t kMaxFileBytes = sizeof(void*) == 4 ? std::uint64_t{256} << 20 : std::uint64_t{4} << 30;
constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};

struct ReadResult {
    bool opened = false;
    bool fits = true;   // false: longer than asked for, or more than memory holds
    std::string bytes;  // everything read, also when reading failed part-way
};
// The file's bytes up to the length it had when opened; a file longer than
// `most` is not read. A file that tells no length (a pipe, a device) is read
// up to `unknownLengthLimit`.
ReadResult ReadWholeFile(const std::string& path, std::uint64_t most, std::uint64_t unknownLengthLimit);

// A new file beside `path`, written a piece at a time, that takes the place
// of `path` in one step at Commit, so that a failure leaves the old file
// whole; destroyed before, it is deleted. From Windows 2000 on it keeps what
// the old file was: its attributes, security and other streams (a link is
// replaced, not followed, and keeps nothing). Each step is false with the
// system's error (GetLastError) when it fails; a read-only target is
// refused at Open.
class ReplacingFile {
public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();
    bool Open(const std::string& path);
    bool Write(const char* bytes, std::size_t size);
    bool Commit();
    // The new file's name until Commit: what a program ended by force
    // leaves behind.
    const std::string& TemporaryName() const { return temporary_; }

private:
    std::string path_, folder_, temporary_;
    UniqueHandle<FileTraits> file_;
};

// Writes `content` to a new file beside `path` and then puts it in place of
// `path` in one step, as ReplacingFile does.
bool WriteFileReplacing(const std::string& path, const std::string& content);

// Writes `content` to a file made new in `folder`, under a name of its own
// (`prefix`, four hexadecimal digits, ".tmp") that no file had; the file's
// path, or the empty text when none could be made and written.
std::string WriteNewFile(const std::string& folder, const char* prefix, const std::string& content);

// What makes a folder the same folder whatever path reaches it: its volume
// and file index.
struct FolderId {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator<(const FolderId& other) const {
        if (volume != other.volume) return volume < other.volume;
        if (indexHigh != other.indexHigh) return indexHigh < other.indexHigh;
        return indexLow < other.indexLow;
    }
};
std::optional<FolderId> IdentifyFolder(const std::string& path);

}  // namespace quorvex
