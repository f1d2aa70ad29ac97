// Files and folders through the ANSI file API (no C++ streams: their runtime
// imports functions that Windows 2000 lacks).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

// True when `path` names an existing folder; false when it does not or its
// attributes cannot be read.
bool IsFolder(const std::string& path);

// The file's length in bytes, when it can be read without opening the file.
std::optional<std::uint64_t> FileLength(const std::string& path);

struct ReadResult {
    bool opened = false;
    std::string bytes;  // everything read, also when reading failed part-way
};
ReadResult ReadWholeFile(const std::string& path);

// Writes `content` to a new file beside `path` and then puts it in place of
// `path` in one step, so that a failure leaves the old file whole.
bool WriteFileReplacing(const std::string& path, const std::string& content);

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
