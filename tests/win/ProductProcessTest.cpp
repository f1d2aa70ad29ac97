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
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "quorvex.exe";
}

struct WindowOfProcess {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowOfProcess*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, static_cast<int>(std::size(className)));
    if (process == search->process && std::string(className) == Quorvex::kClassName && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Another process's text, read as automation does: marshalled by the system.
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

class Process {
public:
    explicit Process(const std::string& path) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + path + "\"";
        started_ = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &info_) != FALSE;
    }
    ~Process() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

TEST(ProductProcess, IsDrivenFromOutsideThroughItsStandardControls) {
    Process program(ProgramBesideTests());
    ASSERT_TRUE(program.Started()) << ProgramBesideTests();
    WindowOfProcess search{program.Id(), nullptr};
    ASSERT_TRUE(PumpUntil([&] {
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, 60000));
    const HWND form = search.found;
    EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus + 1)), "Type a list or open a file or folder to compare");

    SendMessageA(GetDlgItem(form, control::kTextbox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pear\r\nfig\r\nkiwi"));
    SendMessageA(GetDlgItem(form, control::kTextbox + 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kiwi\r\nlime"));
    SendMessageA(GetDlgItem(form, control::kCompareIt + 1), BM_CLICK, 0, 0);

    const HWND left = GetDlgItem(form, control::kListbox), right = GetDlgItem(form, control::kListbox + 1);
    EXPECT_TRUE(IsWindowVisible(left));
    ASSERT_EQ(SendMessageA(left, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(RemoteListItem(left, 0), L"fig");  // sorted
    EXPECT_EQ(RemoteListItem(left, 1), L"pear");
    ASSERT_EQ(SendMessageA(right, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(RemoteListItem(right, 0), L"lime");
    EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus)), "2 items");
    EXPECT_EQ(RemoteText(GetDlgItem(form, control::kStatus + 1)), "1 items");

    PostMessageA(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.Ended(30000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace quorvex::test
