#include <string>
#include <vector>

#include "MainFormFixture.h"

namespace quorvex::test {
namespace {

using Items = std::vector<std::string>;

class CompareCommands : public MainFormTest {
protected:
    void Lists(const std::string& left, const std::string& right) {
        Paste(Textbox(0), left);
        Paste(Textbox(1), right);
    }
    bool EditView() const {
        return IsWindowVisible(Textbox(0)) && IsWindowVisible(Textbox(1)) && !IsWindowVisible(Listbox(0)) &&
               !IsWindowVisible(Listbox(1));
    }
    bool ResultsView() const {
        return !IsWindowVisible(Textbox(0)) && !IsWindowVisible(Textbox(1)) && IsWindowVisible(Listbox(0)) &&
               IsWindowVisible(Listbox(1));
    }
};

TEST_F(CompareCommands, SimilaritiesShowsTheItemsOfBothListsWithTheirCounts) {
    Lists("apple\r\npear\r\nplum\r\napple", "plum\r\nkiwi\r\napple\r\n");
    ClickCompare(0);
    EXPECT_TRUE(ResultsView());
    EXPECT_TRUE(IsPressed(CompareIt(0)));
    EXPECT_FALSE(IsPressed(CompareIt(1)));
    // Sorted, as "Sort results" is checked at start.
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"apple", "apple", "plum"}));
    EXPECT_EQ(ListItems(Listbox(1)), (Items{"apple", "plum"}));
    EXPECT_EQ(TextOf(Status(0)), "3 items");
    EXPECT_EQ(TextOf(Status(1)), "2 items");
    EXPECT_EQ(GetFocus(), CompareIt(0));
}

TEST_F(CompareCommands, SwitchingModesPressesOnlyTheNewButtonAndComparesAgain) {
    Lists("a\r\nb\r\nc", "b\r\nd");
    ClickCompare(0);
    ClickCompare(1);
    EXPECT_TRUE(ResultsView());
    EXPECT_FALSE(IsPressed(CompareIt(0)));
    EXPECT_TRUE(IsPressed(CompareIt(1)));
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"a", "c"}));
    EXPECT_EQ(ListItems(Listbox(1)), (Items{"d"}));
    EXPECT_EQ(TextOf(Status(0)), "2 items");
    EXPECT_EQ(TextOf(Status(1)), "1 items");
    EXPECT_EQ(GetFocus(), CompareIt(1));
}

TEST_F(CompareCommands, ClickingThePressedButtonReturnsToTheUnchangedTexts) {
    const std::string left = "  x\r\ny\r\n\r\n", right = "y\r\n";
    Lists(left, right);
    ASSERT_TRUE(StatusBecomes(0, "2 items"));
    ClickCompare(1);
    EXPECT_EQ(TextOf(Status(0)), "1 items");  // the result's count
    ClickCompare(1);
    EXPECT_TRUE(EditView());
    EXPECT_FALSE(IsPressed(CompareIt(0)));
    EXPECT_FALSE(IsPressed(CompareIt(1)));
    EXPECT_EQ(TextOf(Textbox(0)), left);
    EXPECT_EQ(TextOf(Textbox(1)), right);
    EXPECT_TRUE(IsWindowEnabled(BtnOpen(0)));
    EXPECT_TRUE(IsWindowEnabled(BtnOpen(1)));
    // Both status timers run again and rewrite the counts of the texts.
    EXPECT_TRUE(StatusBecomes(0, "2 items"));
    EXPECT_TRUE(StatusBecomes(1, "1 items"));
}

TEST_F(CompareCommands, OpenButtonsAreDisabledWhileResultsAreShown) {
    ClickCompare(0);
    for (int pane = 0; pane < 2; ++pane) {
        EXPECT_FALSE(IsWindowEnabled(BtnOpen(pane)));
        EXPECT_FALSE(IsWindowEnabled(BtnOpenDropDown(pane)));
    }
    // Even a click sent as a message to the disabled drop-down part opens no menu.
    MenuAnswerer menu(-1);
    SendMessageA(BtnOpenDropDown(0), BM_CLICK, 0, 0);  // a menu would open within the call
    EXPECT_FALSE(menu.Appeared());
}

TEST_F(CompareCommands, CaseSensitiveCheckedMatchesItemsThatDifferInCase) {
    Lists("Readme.txt\r\nother", "README.TXT");
    ClickCompare(0);
    EXPECT_TRUE(ListItems(Listbox(0)).empty());
    ClickCompare(0);
    Click(Item(control::kOptCaseSensitive));
    ClickCompare(0);
    EXPECT_EQ(ListItems(Listbox(0)), Items{"Readme.txt"});
    EXPECT_EQ(ListItems(Listbox(1)), Items{"README.TXT"});
}

TEST_F(CompareCommands, SortResultsUncheckedKeepsListOrder) {
    Lists("b\r\nA\r\nc", "");
    ClickCompare(1);
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"A", "b", "c"}));
    ClickCompare(1);
    Click(Item(control::kOptSort));
    ClickCompare(1);
    EXPECT_EQ(ListItems(Listbox(0)), (Items{"b", "A", "c"}));
}

TEST_F(CompareCommands, DoCompareInTheEditViewFillsTheHiddenListsWithSimilarities) {
    Lists("a\r\nb", "b\r\nc");
    form_->DoCompare();
    EXPECT_TRUE(EditView());
    EXPECT_EQ(ListItems(Listbox(0)), Items{"b"});
    EXPECT_EQ(ListItems(Listbox(1)), Items{"b"});
    EXPECT_EQ(TextOf(Status(0)), "1 items");
}

TEST_F(CompareCommands, ResultListsScrollSidewaysToTheirWidestItem) {
    const std::string wide(300, 'W');
    Lists("short\r\n" + wide, "");
    ClickCompare(1);
    RECT client{};
    GetClientRect(Listbox(0), &client);
    EXPECT_GT(SendMessageA(Listbox(0), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
}

}  // namespace
}  // namespace quorvex::test
