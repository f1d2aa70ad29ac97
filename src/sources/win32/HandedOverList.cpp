#include "sources/win32/HandedOverList.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/FileSystem.h"
#include "platform/win32/WindowsVersion.h"
#include "sources/HandedOverList.h"

namespace quorvex {
namespace {

// The whole section in one read: a read for each key would read the file
// anew each time. Windows 95, 98 and Me hand out 32 KB of a section at
// most, so a section that fills that is read key by key there.
std::function<std::string(int key)> FileKeys(const char* path) {
    std::vector<char> section(1 << 16);
    for (;;) {
        const DWORD length =
            GetPrivateProfileSectionA("Files", section.data(), static_cast<DWORD>(section.size()), path);
        const bool whole = length + 2 < section.size() && (IsNtFamily() || length + 2 < 32767);
        if (whole) return FileKeysOf(std::string_view(section.data(), length));
        if (!IsNtFamily() || section.size() >= (1u << 26)) break;
        section.resize(section.size() * 2);
    }
    return [file = std::string(path)](int key) {
        char value[kHandedOverNameLength + 1] = {};
        const DWORD length = GetPrivateProfileStringA("Files", ("File" + std::to_string(key)).c_str(), "", value,
                                                      static_cast<DWORD>(std::size(value)), file.c_str());
        return std::string(value, length);
    };
}

}  // namespace

// The profile reader looks for a name without a folder in the Windows
// folder, the deletion in the working folder: one full path serves both, and
// a name that has none is neither read nor deleted.
std::vector<std::string> ReadHandedOverList(const std::string& listFile) {
    const auto full = FullPath(listFile);
    if (!full) return {};
    auto names = HandedOverNames(FileKeys(full->c_str()));
    DeleteFileA(full->c_str());
    return names;
}

}  // namespace quorvex
