// The real program started under each Windows version that Wine can report,
// through the per-program version setting of Wine.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <string>

#include "WinTestSupport.h"
#include "app/Quorvex.h"

namespace quorvex::test {
namespace {

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    char className[64] = {};
    GetWindowThreadProcessId(window, &process);
    GetClassNameA(window, className, 64);
    if (process != search->process || !IsWindowVisible(window) || std::string(className) != search->className)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND WindowOf(DWORD process, const char* className) {
    Search search{process, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(SupportedSystems, MeTo2003AndVistaStartOthersAreRefused) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string program = std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + "quorvex.exe";
    TempFolder folder;
    for (const std::string version : {"winme", "win2k", "winxp", "win2k3", "vista", "win98", "nt40", "win7", "win10"}) {
        SCOPED_TRACE(version);
        const std::string name = "quorvex-" + version + ".exe", copy = folder.Path() + "\\" + name;
        const std::string settings = "Software\\Wine\\AppDefaults\\" + name;
        CopyFileA(program.c_str(), copy.c_str(), FALSE);
        SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "Version", REG_SZ, version.c_str(), version.size() + 1);
        std::string commandLine = "\"" + copy + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process));
        HWND form = nullptr, box = nullptr;
        PumpUntil([&] {
            form = WindowOf(process.dwProcessId, Quorvex::kClassName);
            box = WindowOf(process.dwProcessId, "#32770");
            return form || box;
        }, 30000);
        const bool supported = version.rfind("win9", 0) != 0 && version != "nt40" && version != "win7" &&
                               version != "win10";
        EXPECT_EQ(form != nullptr, supported);
        if (box != nullptr) {
            char text[512] = {};
            GetWindowTextA(box, text, sizeof text);
            EXPECT_STREQ(text, "Unsupported Operating System");
            GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text);
            EXPECT_STREQ(text,
                         "This software is intended only for Windows Vista, Windows XP, Windows 2003, Windows 2000, "
                         "and Windows Me.\r\rPlease go to http://www.orlenti.com for a version of the software for "
                         "your operating system.");
            EXPECT_NE(GetDlgItem(box, IDHELP), nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        if (form != nullptr) PostMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str());
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

}  // namespace
}  // namespace quorvex::test
