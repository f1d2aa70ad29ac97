// The real program started under each Windows version that Wine can report,
// through Wine's per-program version setting, from a copy of its own name.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include "WinTestSupport.h"
#include "app/win32/ControlIds.h"
#include "app/win32/Quorvex.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"

namespace quorvex::test {
namespace {

TEST(SupportedSystems, MeTo2003AndVistaStartOthersAreRefused) {
    const std::string product = Product("Quorvex.exe");
    TempFolder folder;
    for (const auto& [version, supported] : {std::pair{"winme", true},
                                             {"win2k", true},
                                             {"winxp", true},
                                             {"win2k3", true},
                                             {"vista", true},
                                             {"win98", false},
                                             {"nt40", false},
                                             {"win7", false},
                                             {"win10", false}}) {
        SCOPED_TRACE(version);
        const std::string copy = folder.Path() + "\\Quorvex-" + version + ".exe";
        const std::string settings = "Software\\Wine\\AppDefaults\\Quorvex-" + std::string(version) + ".exe";
        CopyFileA(product.c_str(), copy.c_str(), FALSE);
        SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "Version", REG_SZ, version, lstrlenA(version) + 1);
        const UniqueProcess process = StartProgram("\"" + copy + "\"");
        ASSERT_TRUE(process);
        HWND form = nullptr, box = nullptr;  // the test process shows neither
        PumpUntil(
            [&] {
                form = FindWindowA(Quorvex::kClassName, nullptr);
                box = FindWindowA("#32770", "Unsupported Operating System");
                return (form && IsWindowVisible(form)) || box;
            },
            30000);
        EXPECT_EQ(form && IsWindowVisible(form), supported);
        if (box != nullptr) {
            EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
                      "This software is intended only for Windows Vista, Windows XP, Windows 2003, Windows 2000, "
                      "and Windows Me.\r\rPlease go to http://www.orlenti.com for a version of the software for "
                      "your operating system.");
            EXPECT_NE(GetDlgItem(box, IDHELP), nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        if (supported) PostMessageA(form, WM_CLOSE, 0, 0);
        DWORD exitCode = 2;
        EXPECT_EQ(WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
        GetExitCodeProcess(process.get(), &exitCode);
        EXPECT_EQ(exitCode, supported ? 0u : 1u);
        TerminateProcess(process.get(), 1);
        SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str());
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

// Runs a program to its end (30 s at most); 2 when it could not be run.
DWORD ExitCodeOf(const std::string& commandLine) {
    const UniqueProcess process = StartProgram(commandLine);
    DWORD exitCode = 2;
    if (process && WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

// quorvex-compare --gui hands both files to the window beside it, which
// loads them.
TEST(QuorvexCompare, GuiOpensBothFilesInTheWindowBesideIt) {
    TempFolder folder;
    const std::string left = folder.Write("left.txt", "x"), right = folder.Write("right.txt", "y");
    EXPECT_EQ(ExitCodeOf("\"" + Product("quorvex-compare.exe") + "\" --gui " + left + " " + right), 0u);
    HWND form = nullptr;
    const auto pane = [&](int i) {  // GetWindowText does not ask another program's box
        char text[16] = {};
        SendMessageA(GetDlgItem(form, control::kTextbox + i), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_TRUE(PumpUntil([&] { return (form = FindWindowA(Quorvex::kClassName, nullptr)) && pane(1) == "y"; }, 30000));
    EXPECT_EQ(pane(0), "x");
    PostMessageA(form, WM_CLOSE, 0, 0);
    PumpUntil([] { return FindWindowA(Quorvex::kClassName, nullptr) == nullptr; }, 30000);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

// Windows Me has no MoveFileEx that moves, so a file replaced there steps
// aside first; quorvex-compare's output file takes that way under Wine's Me.
TEST(QuorvexCompare, ReplacesAnOutputFileOnWindowsMeToo) {
    TempFolder folder;
    const std::string left = folder.Write("left.txt", "x"), right = folder.Write("right.txt", "y");
    const std::string out = folder.Write("out.txt", "old"), copy = folder.Path() + "\\compare-winme.exe";
    CopyFileA(Product("quorvex-compare.exe").c_str(), copy.c_str(), FALSE);
    const char settings[] = "Software\\Wine\\AppDefaults\\compare-winme.exe";
    SHSetValueA(HKEY_CURRENT_USER, settings, "Version", REG_SZ, "winme", 6);
    EXPECT_EQ(ExitCodeOf("\"" + copy + "\" --quiet --output-left " + out + " " + left + " " + right),
              1u);  // they differ
    SHDeleteKeyA(HKEY_CURRENT_USER, settings);
    EXPECT_EQ(ReadWholeFile(out, kNoLimit, kNoLimit).bytes.substr(0, 1), "x");
}

}  // namespace
}  // namespace quorvex::test
