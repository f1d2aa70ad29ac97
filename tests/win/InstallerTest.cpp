// The installer users receive, run as a user runs it: its pages answered,
// the program it put in place started and its help opened, then the
// uninstaller's pages, and what is left looked at. The silent install and
// the refusal of an unsupported system are tests/package/installer-test.sh.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <string>

#include "WinTestSupport.h"
#include "app/win32/ControlIds.h"
#include "app/win32/Quorvex.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Registry.h"

namespace quorvex::test {
namespace {

struct Search {
    std::string kind;
    HWND found = nullptr;
};

// A named CALLBACK: on 32-bit Windows a lambda converts only to a cdecl
// pointer.
BOOL CALLBACK Matches(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    const std::string caption = TextOf(window);
    if (!IsWindowVisible(window) || caption.rfind("Quorvex ", 0) != 0 || caption.find(search.kind) == std::string::npos)
        return TRUE;
    search.found = window;
    return FALSE;
}

// The installer's or uninstaller's window, whose caption names the program,
// the `kind` (" Setup", " Uninstall") and the page; the uninstaller runs
// from a copy of its own, another process.
HWND WizardOf(const std::string& kind) {
    Search search{kind};
    EnumWindows(Matches, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A value, read without making its key as GetRegString does.
std::string ValueOf(const char* key, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return "";
    const UniqueKey owner(opened);
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return "";
    return value;
}

// The wizard's first button (Install, Uninstall, Close) once it reads
// `caption` and may be pressed.
bool PressWhenItReads(HWND wizard, const std::string& caption) {
    const HWND button = GetDlgItem(wizard, IDOK);
    if (!PumpUntil([&] { return IsWindowEnabled(button) && TextOf(button) == caption; }, 30000)) return false;
    PostMessageA(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

const char kSuite[] = "SOFTWARE\\Orlenti\\Vantoria";

TEST(Installer, InstallsStartsOpensHelpAndUninstallsAsAUserRunsIt) {
    if (!FileLength(QUORVEX_INSTALLER)) GTEST_SKIP() << "no installer built: " << QUORVEX_INSTALLER;
    // The test process reads the registry view the installer writes: the
    // product's installer is 32-bit, and so is the test build that runs it.
    const std::string saved = ValueOf(kSuite, "InstallPath");
    TempFolder folder;
    const std::string target = folder.Path() + "\\Vantoria";
    const UniqueProcess setup = StartProgram("\"" + std::string(QUORVEX_INSTALLER) + "\"");
    ASSERT_TRUE(setup);
    HWND wizard = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (wizard = WizardOf(" Setup")) != nullptr; }, 30000));
    // The folder page's box for the folder.
    for (HWND child : WindowsOf(wizard))
        if (IsOfClass(child, "Edit")) SendMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()));
    ASSERT_TRUE(PressWhenItReads(wizard, "&Install"));
    ASSERT_TRUE(PressWhenItReads(wizard, "&Close"));
    EXPECT_EQ(WaitForSingleObject(setup.get(), 30000), WAIT_OBJECT_0);
    for (const char* file : {"Quorvex.exe", "quorvex-compare.exe", "mivo.chm", "Uninstall Quorvex.exe"})
        EXPECT_TRUE(FileLength(target + "\\" + file)) << file;
    EXPECT_EQ(ValueOf(kSuite, "InstallPath"), target);

    // The program it installed finds its help file there.
    const UniqueProcess program = StartProgram("\"" + target + "\\Quorvex.exe\"");
    HWND form = nullptr, help = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return (form = FindWindowA(Quorvex::kClassName, nullptr)) && IsWindowVisible(form); }, 30000));
    PostMessageA(GetDlgItem(form, control::kBtnHelp), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return (help = FindWindowA("HH Parent", nullptr)) != nullptr; }, 30000));
    DWORD formProcess = 0, helpProcess = 0;
    GetWindowThreadProcessId(form, &formProcess);
    GetWindowThreadProcessId(help, &helpProcess);
    EXPECT_EQ(helpProcess, formProcess);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.get(), 30000), WAIT_OBJECT_0);

    const UniqueProcess uninstall = StartProgram("\"" + target + "\\Uninstall Quorvex.exe\"");
    ASSERT_TRUE(uninstall);
    ASSERT_TRUE(PumpUntil([&] { return (wizard = WizardOf(" Uninstall")) != nullptr; }, 30000));
    ASSERT_TRUE(PressWhenItReads(wizard, "&Uninstall"));
    ASSERT_TRUE(PressWhenItReads(wizard, "&Close"));
    EXPECT_TRUE(PumpUntil([&] { return GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES; }, 30000));
    EXPECT_EQ(ValueOf(kSuite, "InstallPath"), "");
    EXPECT_EQ(ValueOf("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OrlentiQuorvex", "DisplayName"), "");
    if (!saved.empty()) SaveRegString(HKEY_LOCAL_MACHINE, kSuite, "InstallPath", saved);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

}  // namespace
}  // namespace quorvex::test
