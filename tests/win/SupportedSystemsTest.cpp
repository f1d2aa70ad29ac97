// The real program started under each Windows version that Wine can report,
// through Wine's per-program version setting, from a copy of its own name.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include "WinTestSupport.h"
#include "app/win32/Quorvex.h"

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
    char name[64] = {};
    GetWindowThreadProcessId(window, &process);
    GetClassNameA(window, name, sizeof name);
    if (process != search->process || !IsWindowVisible(window) || lstrcmpA(name, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

TEST(SupportedSystems, MeTo2003AndVistaStartOthersAreRefused) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string product = std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + "Quorvex.exe";
    TempFolder folder;
    for (const auto& [version, supported] : {std::pair{"winme", true}, {"win2k", true}, {"winxp", true},
                                             {"win2k3", true}, {"vista", true}, {"win98", false}, {"nt40", false},
                                             {"win7", false}, {"win10", false}}) {
        SCOPED_TRACE(version);
        const std::string copy = folder.Path() + "\\Quorvex-" + version + ".exe";
        const std::string settings = "Software\\Wine\\AppDefaults\\Quorvex-" + std::string(version) + ".exe";
        CopyFileA(product.c_str(), copy.c_str(), FALSE);
        SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "Version", REG_SZ, version, lstrlenA(version) + 1);
        std::string commandLine = "\"" + copy + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process));
        Search form{process.dwProcessId, Quorvex::kClassName, nullptr}, box{process.dwProcessId, "#32770", nullptr};
        PumpUntil([&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&form));
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&box));
            return form.found || box.found;
        }, 30000);
        EXPECT_EQ(form.found != nullptr, supported);
        if (box.found != nullptr) {
            EXPECT_EQ(TextOf(box.found), "Unsupported Operating System");
            EXPECT_EQ(TextOf(GetDlgItem(box.found, 0xFFFF)),
                      "This software is intended only for Windows Vista, Windows XP, Windows 2003, Windows 2000, "
                      "and Windows Me.\r\rPlease go to http://www.orlenti.com for a version of the software for "
                      "your operating system.");
            EXPECT_NE(GetDlgItem(box.found, IDHELP), nullptr);
            PostMessageA(box.found, WM_COMMAND, IDOK, 0);
        }
        if (form.found != nullptr) PostMessageA(form.found, WM_CLOSE, 0, 0);
        DWORD exitCode = 2;
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
        GetExitCodeProcess(process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, supported ? 0u : 1u);
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str());
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

}  // namespace
}  // namespace quorvex::test
