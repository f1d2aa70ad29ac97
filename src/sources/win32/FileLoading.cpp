#include "sources/win32/FileLoading.h"

#include <cstdint>

#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MessageBoxes.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

constexpr std::uint64_t kLargeFileBytes = 50000;
const char kLargeFileWarning[] =
    "Warning: the file you've opened is quite large, which may cause Quorvex to run more slowly or even stop "
    "responding.  Do you want to proceed?";

}  // namespace

std::optional<std::string> LoadListFile(HWND owner, const std::string& filename) {
    // The question needs the length; a file that cannot be measured is read
    // (or found missing) without it.
    const auto length = FileLength(filename);
    if (length && *length > kLargeFileBytes &&
        ShowMessageBox(owner, {.text = kLargeFileWarning, .style = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON1}) !=
            IDYES)
        return std::nullopt;
    WaitCursor busy;
    ReadResult file = ReadWholeFile(filename);
    NormaliseLineEnds(file.bytes);
    return std::move(file.bytes);
}

}  // namespace quorvex
