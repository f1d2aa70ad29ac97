#include "platform/win32/InstallPath.h"

#include <windows.h>

#include "compare/TextRoutines.h"
#include "platform/UnsupportedSystem.h"
#include "platform/win32/MessageBoxes.h"
#include "platform/win32/Registry.h"
#include "platform/win32/WindowsVersion.h"

namespace quorvex {
namespace {

std::string& Stored() {
    static std::string path;
    return path;
}

}  // namespace

const std::string& InstallPath() { return Stored(); }

void SetInstallPath(std::string path) { Stored() = std::move(path); }

std::string HelpFile() { return InstallPath() + "mivo.chm"; }

std::string GetInstallPath() {
    // All five are asked, as the check has always done.
    const bool supported[] = {IsWin2003(), IsWin2000(), IsWinMe(), IsWinXP(), IsWinVista()};
    bool any = false;
    for (const bool one : supported) any = any || one;
    if (!any) {
        ShowMessageBox(nullptr, {.text = kUnsupportedSystemText,
                                 .style = MB_OK | MB_ICONSTOP,
                                 .title = kUnsupportedSystemTitle,
                                 .helpContext = kUnsupportedSystemHelpContext});
        ExitProcess(1);
    }
    return AddBackslash(GetRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orlenti\\Vantoria", "InstallPath"));
}

}  // namespace quorvex
