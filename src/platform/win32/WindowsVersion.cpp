#include "platform/win32/WindowsVersion.h"

#include <windows.h>

namespace quorvex {
namespace {

// A platform identifier of 0 stands for none: the call failed.
OSVERSIONINFOA Version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) info.dwPlatformId = 0;
    return info;
}

bool IsVersion(DWORD platform, DWORD major, DWORD minor) {
    const OSVERSIONINFOA info = Version();
    return info.dwPlatformId == platform && info.dwMajorVersion == major && info.dwMinorVersion == minor;
}

}  // namespace

bool IsWinMe() { return IsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90); }
bool IsWin2000() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 0); }
bool IsWinXP() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 1); }
bool IsWin2003() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 2); }
bool IsWinVista() { return IsVersion(VER_PLATFORM_WIN32_NT, 6, 0); }
bool IsNtFamily() { return Version().dwPlatformId == VER_PLATFORM_WIN32_NT; }

}  // namespace quorvex
