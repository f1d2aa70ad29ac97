// The real program started under each Windows version that Wine can report,
// through Wine's per-program version setting.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include "WinTestSupport.h"
#include "app/Quorvex.h"

namespace quorvex::test {
namespace {

TEST(SupportedSystems, MeTo2003AndVistaStartOthersAreRefused) {
    const std::pair<std::string, bool> versions[] = {{"winme", true}, {"win2k", true},  {"winxp", true},
                                                     {"win2k3", true}, {"vista", true}, {"win98", false},
                                                     {"nt40", false},  {"win7", false}, {"win10", false}};
    for (const auto& [version, supported] : versions) {
        SCOPED_TRACE(version);
        const std::string name = "quorvex-" + version + ".exe", settings = "Software\\Wine\\AppDefaults\\" + name;
        SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "Version", REG_SZ, version.c_str(), version.size() + 1);
        ProgramProcess program(name);
        HWND form = nullptr, box = nullptr;
        PumpUntil([&] { return (form = program.Window(Quorvex::kClassName)) || (box = program.Window("#32770")); },
                  30000);
        EXPECT_EQ(form != nullptr, supported);
        if (box != nullptr) {
            EXPECT_EQ(TextOf(box), "Unsupported Operating System");
            EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
                      "This software is intended only for Windows Vista, Windows XP, Windows 2003, Windows 2000, "
                      "and Windows Me.\r\rPlease go to http://www.orlenti.com for a version of the software for "
                      "your operating system.");
            EXPECT_NE(GetDlgItem(box, IDHELP), nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        if (form != nullptr) PostMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(), supported ? 0 : 1);
        SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str());
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex");
}

}  // namespace
}  // namespace quorvex::test
