// The real program started as a process and driven from outside, as
// automation tools and screen readers see it: through its standard controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "WinTestSupport.h"
#include "app/ControlIds.h"
#include "app/Quorvex.h"

namespace quorvex::test {
namespace {

std::string ProgramBesideTests() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "quorvex.exe";
}

// Another process's texts, marshalled by the system. Its list boxes are read
// with the wide message: Wine returns UTF-16 for the ANSI one across processes.
std::string RemoteText(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring RemoteListItem(HWND listbox, int index) {
    wchar_t item[512] = {};
    SendMessageW(listbox, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
    return item;
}

TEST(ProductProcess, IsDrivenFromOutsideThroughItsStandardControls) {
    std::string path = ProgramBesideTests(), commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << path;
    HWND form = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (form = FindTopWindow(process.dwProcessId, Quorvex::kClassName)) != nullptr; },
                          60000));
    if (form != nullptr) {
        EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus + 1)),
                  "Type a list or open a file or folder to compare");
        SendMessageA(GetDlgItem(form, control::kTextbox), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("pear\r\nfig\r\nkiwi"));
        SendMessageA(GetDlgItem(form, control::kTextbox + 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kiwi\r\nlime"));
        SendMessageA(GetDlgItem(form, control::kCompareIt + 1), BM_CLICK, 0, 0);

        const HWND left = GetDlgItem(form, control::kListbox), right = GetDlgItem(form, control::kListbox + 1);
        EXPECT_TRUE(IsWindowVisible(left));
        EXPECT_EQ(SendMessageA(left, LB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(RemoteListItem(left, 0), L"fig");  // sorted
        EXPECT_EQ(RemoteListItem(left, 1), L"pear");
        EXPECT_EQ(RemoteListItem(right, 0), L"lime");
        EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus)), "2 items");
        EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus + 1)), "1 items");
        PostMessageA(form, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended);
    DWORD exitCode = 1;
    if (!ended) TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace quorvex::test
