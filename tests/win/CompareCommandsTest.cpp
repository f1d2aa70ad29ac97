#include <string>
#include <vector>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

using CompareCommands = MainFormTest;

// The view on show follows the pressed button: the result lists or the
// texts, with the Open buttons enabled only over the texts.
TEST_F(CompareCommands, EachButtonShowsItsResultListsAndThePressedOneTheTexts) {
    const auto resultsView = [&] {
        const bool results = IsWindowVisible(Listbox(0)) && IsWindowVisible(Listbox(1));
        EXPECT_NE(results, IsWindowVisible(Textbox(0)) || IsWindowVisible(Textbox(1)));
        EXPECT_EQ(IsWindowEnabled(BtnOpen(0)) && IsWindowEnabled(BtnOpenDropDown(1)), !results);
        return results;
    };
    Paste(Textbox(0), "apple\r\npear\r\nplum\r\napple\r\n" + std::string(300, 'W'));
    Paste(Textbox(1), "plum\r\nkiwi\r\napple\r\n");
    ClickCompare(0);
    EXPECT_TRUE(resultsView());
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"apple", "apple", "plum"}, {"apple", "plum"}}));
    EXPECT_EQ(Statuses(), (Items{"3 items", "2 items"}));
    EXPECT_EQ(GetFocus(), CompareIt(0));
    ClickCompare(1);
    EXPECT_TRUE(IsPressed(CompareIt(1)) && !IsPressed(CompareIt(0)));
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"pear", std::string(300, 'W')}, {"kiwi"}}));
    RECT client{};
    GetClientRect(Listbox(0), &client);  // it scrolls sideways to its widest item
    EXPECT_GT(SendMessageA(Listbox(0), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
    Answerer menu({{"", -1}});
    Click(BtnOpenDropDown(0));  // even a click sent to the disabled part opens no menu
    EXPECT_FALSE(menu.Answered(100));
    ClickCompare(1);
    EXPECT_FALSE(resultsView());
    EXPECT_FALSE(IsPressed(CompareIt(1)));
    EXPECT_TRUE(PumpUntil([&] { return Statuses() == Items{"5 items", "3 items"}; }));
}

}  // namespace
}  // namespace quorvex::test
