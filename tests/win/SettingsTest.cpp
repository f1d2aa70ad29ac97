#include <string>

#include "MainFormFixture.h"
#include "platform/Registry.h"
#include "window/Twips.h"

namespace quorvex::test {
namespace {

void Store(const char* suffix, const std::string& text) {
    SaveRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", std::string("Quorvex") + suffix, text);
}

// The form reads its settings at start: each test stores them first.
class Settings : public MainFormTest {
protected:
    void SetUp() override {
        if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    }
    // Where the form opens: left, top, width, height.
    std::vector<LONG> Opened() {
        MainFormTest::SetUp();
        RECT r{};
        GetWindowRect(Form(), &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(Settings, TheWindowReopensWhereAndAsLargeAsItWasClosed) {
    Opened();
    MoveWindow(Form(), 30, 40, 600, 450, TRUE);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height"), "6750");  // twips
    EXPECT_EQ(Opened(), (std::vector<LONG>{30, 40, 600, 450}));
}

TEST_F(Settings, StoredValuesAreReadByTheirLeadingNumberAndAppliedAsTheyAre) {
    Store(".left", "-1200.4");  // off the screen
    Store(".top", "900 twips");
    Store(".width", "8250");
    Store(".height", "6000");
    EXPECT_EQ(Opened(), (std::vector<LONG>{-80, 60, 550, 400}));
    Store(".left", "40000");  // beyond 16 bits
    Store(".top", "none");
    Store(".height", "");
    // Placed before it is subclassed: the system's own minimum height.
    EXPECT_EQ(Opened(), (std::vector<LONG>{0, 0, 550, GetSystemMetrics(SM_CYMINTRACK)}));
}

TEST_F(Settings, HelpWithoutTheHelpFileSaysSo) {
    Opened();
    Answerer answerer({{"Quorvex", IDOK}, {"Quorvex", IDOK}});
    Click(Item(control::kBtnHelp));
    SendMessageA(Form(), WM_HELP, 0, 0);  // F1
    ASSERT_TRUE(answerer.Answered(0));
    EXPECT_EQ(answerer.Text(1), "Help file not found.  Orlenti Vantoria has not been properly installed");
    EXPECT_FALSE(answerer.HadButton(IDHELP, 1));
}

TEST_F(Settings, HelpOpensTheSuitesHelpFileAndClosingTheWindowClosesIt) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string folder = std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + "help";
    SaveRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orlenti\\Vantoria", "InstallPath", "  " + folder + " ");
    Opened();
    Click(Item(control::kBtnHelp));
    const HWND help = FindWindowA("HH Parent", nullptr);  // the viewer opens only at a context the file has
    ASSERT_NE(help, nullptr);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(help));
}

}  // namespace
}  // namespace quorvex::test
