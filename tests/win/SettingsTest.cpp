#include <string>

#include "MainFormFixture.h"
#include "platform/Registry.h"
#include "window/Twips.h"

namespace quorvex::test {
namespace {

void Store(const char* suffix, const std::string& text) {
    SaveRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", std::string("Quorvex") + suffix, text);
}

std::string Stored(const char* suffix) {
    return GetRegString(HKEY_CURRENT_USER, "Software\\Orlenti\\Quorvex", std::string("Quorvex") + suffix);
}

// The form reads its settings at start: each test stores them first.
class Settings : public MainFormTest {
protected:
    void SetUp() override {}  // the form is made once the values are stored
    RECT Opened() {
        MainFormTest::SetUp();
        RECT r{};
        GetWindowRect(Form(), &r);
        return r;
    }
};

TEST_F(Settings, StoredPlaceAndSizeAreAppliedAsTheyAre) {
    if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    Store(".left", "-1200.4");  // off the screen, rounded
    Store(".top", "900 twips");
    Store(".width", "8250");
    Store(".height", "6000");
    const RECT r = Opened();
    EXPECT_EQ(r.left, -80);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 400);
}

TEST_F(Settings, AWidthAloneGivesTheSystemsMinimumHeightAndUnreadableValuesReadZero) {
    if (ScreenTwipsPerPixel().x != 15 || ScreenTwipsPerPixel().y != 15) GTEST_SKIP() << "expects 96 dpi";
    Store(".left", "40000");
    Store(".top", "none");
    Store(".width", "9000");
    const RECT r = Opened();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 600);
    // The form is placed before it is subclassed: the system's own minimum.
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYMINTRACK));
}

TEST_F(Settings, ClosingStoresThePlaceInTwips) {
    Opened();
    MoveWindow(Form(), 30, 40, 600, 450, TRUE);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    const TwipsPerPixel tpp = ScreenTwipsPerPixel();
    EXPECT_EQ(Stored(".left"), std::to_string(30 * tpp.x));
    EXPECT_EQ(Stored(".top"), std::to_string(40 * tpp.y));
    EXPECT_EQ(Stored(".width"), std::to_string(600 * tpp.x));
    EXPECT_EQ(Stored(".height"), std::to_string(450 * tpp.y));
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

}  // namespace
}  // namespace quorvex::test
