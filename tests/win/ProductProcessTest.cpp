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

// Another process's text, marshalled by the system.
std::string RemoteText(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(ProductProcess, IsDrivenFromOutsideAndEscInAPaneLosesNothing) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self), commandLine;
    path = path.substr(0, path.find_last_of('\\') + 1) + "quorvex.exe";
    commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << path;
    HWND form = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (form = FindWindowA(Quorvex::kClassName, nullptr)) && IsWindowVisible(form); },
                          60000));
    if (form != nullptr) {
        const auto item = [&](int id) { return GetDlgItem(form, id); };
        EXPECT_EQ(RemoteText(item(control::kStatus + 1)), "Type a list or open a file or folder to compare");
        SendMessageA(item(control::kTextbox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pear\r\nfig\r\nkiwi"));
        SendMessageA(item(control::kTextbox + 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kiwi\r\nlime"));
        // Esc as the keyboard sends it to the pane, through the program's own loop.
        PostMessageA(item(control::kTextbox), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(item(control::kTextbox), WM_CHAR, VK_ESCAPE, 0x00010001);
        Sleep(300);
        ASSERT_TRUE(IsWindow(form));
        EXPECT_EQ(RemoteText(item(control::kTextbox)), "pear\r\nfig\r\nkiwi");
        SendMessageA(item(control::kCompareIt + 1), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowVisible(item(control::kListbox)));
        EXPECT_EQ(SendMessageA(item(control::kListbox), LB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(RemoteText(item(control::kStatus)), "2 items");
        EXPECT_EQ(RemoteText(item(control::kStatus + 1)), "1 items");
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
