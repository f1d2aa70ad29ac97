#include <string>
#include <vector>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

class CompareCommands : public MainFormTest {
protected:
    void Lists(const std::string& left, const std::string& right) {
        Paste(Textbox(0), left);
        Paste(Textbox(1), right);
    }
    // Which view is on show, and that the panes and Open buttons agree on it.
    bool ResultsView() const {
        const bool results = IsWindowVisible(Listbox(0)) && IsWindowVisible(Listbox(1));
        EXPECT_NE(results, IsWindowVisible(Textbox(0)) || IsWindowVisible(Textbox(1)));
        EXPECT_EQ(IsWindowEnabled(BtnOpen(0)) && IsWindowEnabled(BtnOpen(1)), !results);
        return results;
    }
};

TEST_F(CompareCommands, EachButtonShowsItsModeAndPressesOnlyItself) {
    Lists("apple\r\npear\r\nplum\r\napple", "plum\r\nkiwi\r\napple\r\n");
    ClickCompare(0);
    EXPECT_TRUE(ResultsView());
    EXPECT_TRUE(IsPressed(CompareIt(0)));
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"apple", "apple", "plum"}, {"apple", "plum"}}));  // sorted
    EXPECT_EQ(Statuses(), (Items{"3 items", "2 items"}));
    EXPECT_EQ(GetFocus(), CompareIt(0));
    ClickCompare(1);
    EXPECT_TRUE(ResultsView());
    EXPECT_FALSE(IsPressed(CompareIt(0)));
    EXPECT_TRUE(IsPressed(CompareIt(1)));
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"pear"}, {"kiwi"}}));
    EXPECT_EQ(Statuses(), (Items{"1 items", "1 items"}));
    EXPECT_EQ(GetFocus(), CompareIt(1));
    // Even a click sent to the disabled drop-down part opens no menu.
    Answerer menu({{"", -1}});
    Click(BtnOpenDropDown(0));
    EXPECT_FALSE(menu.Answered(100));
}

TEST_F(CompareCommands, ClickingThePressedButtonReturnsToTheUnchangedTexts) {
    const std::string left = "  x\r\ny\r\n\r\n", right = "y\r\n";
    Lists(left, right);
    ASSERT_TRUE(StatusBecomes(0, "2 items"));
    ClickCompare(1);
    EXPECT_EQ(TextOf(Status(0)), "1 items");  // the result's count
    ClickCompare(1);
    EXPECT_FALSE(ResultsView());
    EXPECT_FALSE(IsPressed(CompareIt(1)));
    EXPECT_EQ(TextOf(Textbox(0)), left);
    EXPECT_EQ(TextOf(Textbox(1)), right);
    // Both status timers run again and rewrite the counts of the texts.
    EXPECT_TRUE(PumpUntil([&] { return Statuses() == Items{"2 items", "1 items"}; }));
}

// In the edit view too, where the hidden lists get the similarities.
TEST_F(CompareCommands, OptionClicksCompareAgainAtOnce) {
    Lists("b\r\nReadme.txt\r\nA", "README.TXT\r\nb");
    Click(Item(control::kOptCaseSensitive));
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"b", "Readme.txt"}, {"b", "README.TXT"}}));
    EXPECT_EQ(Statuses(), (Items{"2 items", "2 items"}));
    ClickCompare(1);
    EXPECT_EQ(Results(), (std::pair<Items, Items>{{"A"}, {}}));
    Click(Item(control::kOptCaseSensitive));
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"A", "Readme.txt"}));
    Click(Item(control::kOptSort));
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"Readme.txt", "A"}));
}

TEST_F(CompareCommands, ResultListsScrollSidewaysToTheirWidestItem) {
    Lists("short\r\n" + std::string(300, 'W'), "");
    ClickCompare(1);
    RECT client{};
    GetClientRect(Listbox(0), &client);
    EXPECT_GT(SendMessageA(Listbox(0), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
}

}  // namespace
}  // namespace quorvex::test
