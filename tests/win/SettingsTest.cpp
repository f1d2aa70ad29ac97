#include <string>

#include "MainFormFixture.h"
#include "folderbrowse/win32/FolderBrowse.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Registry.h"
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

// Maximized, the place it had restored; at a log-off too, which sends no
// WM_CLOSE.
TEST_F(Settings, TheWindowReopensWhereAndAsLargeAsItWasClosed) {
    Opened();
    MoveWindow(Form(), 30, 40, 600, 450, TRUE);
    ShowWindow(Form(), SW_MAXIMIZE);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height"), "6750");  // twips
    EXPECT_EQ(Opened(), (std::vector<LONG>{30, 40, 600, 450}));
    MoveWindow(Form(), 60, 70, 610, 460, TRUE);
    EXPECT_TRUE(SendMessageA(Form(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(Form(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(GetPropA(Textbox(0), "OldWndProc"), nullptr);  // the closing ran
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Opened(), (std::vector<LONG>{60, 70, 610, 460}));
}

// A close that comes while the program asks something (another program
// closes it) ends it all the same, and the placement is written.
TEST_F(Settings, ClosingWhileAMessageOrADialogIsOpenEndsCleanly) {
    TempFolder folder;
    const std::string large = folder.Write("large.txt", std::string(50001, 'x'));
    for (auto [button, steps, className, title] :
         {std::tuple{control::kBtnOpen, std::vector<Step>{{"Select a file to compare", IDOK, large}}, "#32770",
                     "Quorvex"},  // the large-file question, in the middle of a load
          {control::kBtnOpen, std::vector<Step>{}, "#32770", "Select a file to compare"},
          {control::kBtnSave, std::vector<Step>{}, "#32770", "Save List As"},
          {control::kBtnOpenDropDown, std::vector<Step>{{"", 1}}, FolderBrowse::kClassName, FolderBrowse::kCaption}}) {
        Opened();
        Paste(Textbox(0), "x");
        MoveWindow(Form(), 30, 40, 600, 450, TRUE);
        const HWND form = Form();
        steps.push_back({"", 0, {}, [&] { return FindWindowA(className, title) && PostMessageA(form, WM_CLOSE, 0, 0); }});
        Answerer closer(steps);
        SendMessageA(GetDlgItem(form, button), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindow(form)) << title;
        EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", "Quorvex.height"), "6750");
    }
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

// Help and F1 open the suite's help file at the form's context; the help
// window goes with the main window.
TEST_F(Settings, HelpOpensTheSuitesHelpFileOrSaysItIsMissing) {
    Opened();
    Answerer answerer({{"Quorvex", IDOK}, {"Quorvex", IDOK}});
    Click(Item(control::kBtnHelp));
    SendMessageA(Form(), WM_HELP, 0, 0);
    ASSERT_TRUE(answerer.Answered(0));
    EXPECT_EQ(answerer.Text(1), "Help file not found.  Orlenti Vantoria has not been properly installed");
    EXPECT_FALSE(answerer.HadHelp(1));
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

TEST(Registry, ReadsWhatItWroteCreatingAMissingKeyEmpty) {
    RegistrySandbox sandbox;
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "missing"), "");
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "A\\B", &opened), ERROR_SUCCESS);
    const UniqueKey key(opened);
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "C:\\Program Files\\");
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "long", std::string(300, 'x'));
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "C:\\Program Files\\");
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "long"), std::string(300, 'x'));
    // The empty text is a value of size 0; a zero ends what is read.
    SaveRegString(HKEY_CURRENT_USER, "A\\B", "path", "");
    DWORD size = 1;
    EXPECT_EQ(RegQueryValueExA(key.get(), "path", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "path"), "");
    RegSetValueExA(key.get(), "zero", 0, REG_SZ, reinterpret_cast<const BYTE*>("ab\0cd"), 6);
    EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, "A\\B", "zero"), "ab");
}

}  // namespace
}  // namespace quorvex::test
