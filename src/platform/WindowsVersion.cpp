#include "platform/WindowsVersion.h"

#include <windows.h>

namespace quorvex {
namespace {

bool IsVersion(DWORD platform, DWORD major, DWORD minor) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    return info.dwPlatformId == platform && info.dwMajorVersion == major && info.dwMinorVersion == minor;
}

}  // namespace

bool IsWinMe() { return IsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90); }
bool IsWin2000() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 0); }
bool IsWinXP() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 1); }
bool IsWin2003() { return IsVersion(VER_PLATFORM_WIN32_NT, 5, 2); }
bool IsWinVista() { return IsVersion(VER_PLATFORM_WIN32_NT, 6, 0); }

}  // namespace quorvex
