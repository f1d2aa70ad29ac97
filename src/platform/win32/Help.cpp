#include "platform/win32/Help.h"

#include <htmlhelp.h>

#include "platform/win32/Handles.h"
#include "platform/win32/InstallPath.h"
#include "platform/win32/MessageBoxes.h"

namespace quorvex {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer stays loaded once used: its window outlives the call.
HtmlHelpFunction HtmlHelpEntry() {
    static HtmlHelpFunction entry = [] {
        HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        return viewer ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")))
                      : nullptr;
    }();
    return entry;
}

HWND& StoredHelpWindow() {
    static HWND window = nullptr;
    return window;
}

// A search with normal attributes: folders, hidden and system files are not found.
bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    const UniqueFind find(FindFirstFileA(path.c_str(), &entry));
    const DWORD notNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return static_cast<bool>(find) && (entry.dwFileAttributes & notNormal) == 0;
}

}  // namespace

HWND OpenHelpAtContext(const std::string& helpFile, DWORD context) {
    const HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    if (htmlHelp == nullptr) return nullptr;
    return htmlHelp(GetDesktopWindow(), helpFile.c_str(), HH_HELP_CONTEXT, context);
}

void ShowHelp(short context) {
    const std::string file = HelpFile();
    if (!FileExists(file)) {
        ShowMessageBox(GetActiveWindow(),
                       {.text = "Help file not found.  Orlenti Vantoria has not been properly installed",
                        .style = MB_OK | MB_ICONSTOP,
                        .helpButton = false});
        return;
    }
    StoredHelpWindow() = OpenHelpAtContext(file, static_cast<DWORD>(context));
}

void CloseHelpWindow() {
    if (IsWindow(StoredHelpWindow())) DestroyWindow(StoredHelpWindow());
}

}  // namespace quorvex
