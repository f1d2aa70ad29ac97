#include "platform/win32/OpenSaveDialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/DialogText.h"

namespace quorvex {
namespace {

// Explorer-style and resizable; Open accepts only existing files in existing
// folders, Save asks before replacing a file; hidden files shown, no
// read-only box.
constexpr DWORD kDialogFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                               OFN_EXPLORER | OFN_ENABLESIZING | OFN_FORCESHOWHIDDEN;
#ifndef _WIN64
static_assert(sizeof(OPENFILENAMEA) == 88, "the request record of Windows 2000 and later");
#endif
constexpr DWORD kFileBufferLength = 700;
constexpr DWORD kTitleBufferLength = 260;

enum class Kind { Open, Save };

std::string ShowDialog(Kind kind, HWND owner, const std::string& title, const std::string& initialPath,
                       const std::string& defaultExt, const std::string& filter) {
    const std::string filterText = DialogFilter(filter);
    const SplitPath initial = SplitInitialPath(initialPath);
    std::vector<char> file(kind == Kind::Save ? initial.fileName.begin() : initial.fileName.end(),
                           initial.fileName.end());
    file.resize(file.size() + kFileBufferLength, '\0');
    std::vector<char> fileTitle(kTitleBufferLength, '\0');

    OPENFILENAMEA request{};
    // The record without its last three fields is what the dialog library of
    // Windows Me takes.
    request.lStructSize = IsNewComdlg() ? sizeof(OPENFILENAMEA) : OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.lpstrFilter = filterText.c_str();
    request.nFilterIndex = 0;
    request.lpstrFile = file.data();
    request.nMaxFile = kFileBufferLength;
    request.lpstrFileTitle = fileTitle.data();
    request.nMaxFileTitle = kTitleBufferLength;
    request.lpstrInitialDir = initial.folder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = kDialogFlags;
    if (kind == Kind::Save) request.lpstrDefExt = defaultExt.c_str();

    const BOOL chosen = kind == Kind::Open ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    if (!chosen) return {};
    return PathFromFileBuffer({file.data(), file.size()});
}

}  // namespace

std::string ShowOpenDialog(HWND owner, const std::string& title, const std::string& initialPath,
                           const std::string& filter) {
    return ShowDialog(Kind::Open, owner, title, initialPath, {}, filter);
}

std::string ShowSaveDialog(HWND owner, const std::string& title, const std::string& initialPath,
                           const std::string& defaultExt, const std::string& filter) {
    return ShowDialog(Kind::Save, owner, title, initialPath, defaultExt, filter);
}

bool IsNewComdlg() {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA("Comdlg32.dll", &handle);
    if (size == 0) return false;
    std::vector<char> info(size);
    if (!GetFileVersionInfoA("Comdlg32.dll", 0, size, info.data())) return false;
    void* fixed = nullptr;
    UINT fixedLength = 0;
    if (!VerQueryValueA(info.data(), "\\", &fixed, &fixedLength) || fixed == nullptr || fixedLength < 12) return false;
    // The major version: the high word of the file version's first double word.
    const auto major = HIWORD(static_cast<VS_FIXEDFILEINFO*>(fixed)->dwFileVersionMS);
    return major >= 5;
}

}  // namespace quorvex
