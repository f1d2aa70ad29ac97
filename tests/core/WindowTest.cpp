#include <gtest/gtest.h>

#include "folderbrowse/FolderChoice.h"
#include "window/BrowseLayout.h"
#include "window/MainLayout.h"
#include "window/Placement.h"
#include "window/ScrollRules.h"

namespace quorvex {

void PrintTo(const RectTw& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

MainLayout LaidOut(float width, float height) {
    MainLayout l = DesignLayout();
    LayOutMainForm(l, width, height);
    return l;
}

// Each result list lies exactly over its pane's text box, which it stands in
// for in the results view.
TEST(MainLayout, PlacesEveryControlAtTheMinimumTrackSize) {
    const MainLayout l = LaidOut(7830, 4425);
    EXPECT_EQ(l.textbox[0], (RectTw{60, 435, 3825, 2610}));
    EXPECT_EQ(l.textbox[1], (RectTw{3945, 435, 3825, 2610}));
    EXPECT_EQ(l.listbox[0], l.textbox[0]);
    EXPECT_EQ(l.listbox[1], l.textbox[1]);
    EXPECT_EQ(l.status[0], (RectTw{60, 3045, 3825, 225}));
    EXPECT_EQ(l.status[1], (RectTw{3945, 3045, 3825, 225}));
    EXPECT_EQ(l.optionFrame, (RectTw{5895, 3330, 1875, 1035}));
    EXPECT_EQ(l.controlFrame, (RectTw{60, 3330, 5775, 1035}));
    EXPECT_EQ(l.btnOpen[0], (RectTw{60, 60, 1455, 315}));
    EXPECT_EQ(l.btnCopy[0], (RectTw{1575, 60, 1035, 315}));
    EXPECT_EQ(l.btnSave[0], (RectTw{2670, 60, 1095, 315}));
    EXPECT_EQ(l.btnOpen[1], (RectTw{3945, 60, 1455, 315}));
    EXPECT_EQ(l.btnCopy[1], (RectTw{5460, 60, 1035, 315}));
    EXPECT_EQ(l.btnSave[1], (RectTw{6555, 60, 1095, 315}));
}

// What the frames hold: a row of buttons 105 apart, a column of check boxes a
// line of 240 apart, each inside its frame as the frame stands at the minimum
// track size.
TEST(MainLayout, FramesHoldTheirControlsApartAndWithinTheirEdges) {
    const MainLayout l = LaidOut(7830, 4425);
    const auto inside = [](const RectTw& control, const RectTw& frame) {
        return control.left > 0 && control.top > 0 && control.left + control.width < frame.width &&
               control.top + control.height < frame.height;
    };
    const FrameContents& c = kFrameContents;
    for (const RectTw& control : {c.compareIt[0], c.compareIt[1], c.btnHelp})
        EXPECT_TRUE(inside(control, l.controlFrame)) << ::testing::PrintToString(control);
    for (const RectTw& control : {c.optSync, c.optSort, c.optCaseSensitive})
        EXPECT_TRUE(inside(control, l.optionFrame)) << ::testing::PrintToString(control);
    EXPECT_EQ(c.compareIt[1].left, c.compareIt[0].left + c.compareIt[0].width + 105);
    EXPECT_EQ(c.btnHelp.left, c.compareIt[1].left + c.compareIt[1].width + 105);
    EXPECT_EQ(c.optSort.top, c.optSync.top + 240);
    EXPECT_EQ(c.optCaseSensitive.top, c.optSort.top + 240);
}

// A move that would give a negative size is skipped whole; moves to negative
// places are made.
TEST(MainLayout, TooSmallKeepsSizedControlsWhereTheyWereAndLaysOutAgainLater) {
    MainLayout l = LaidOut(7830, 4425);
    const MainLayout before = l;
    LayOutMainForm(l, 12000, 1500);  // wide but too low: heights negative
    EXPECT_EQ(l.textbox[1], before.textbox[1]);
    EXPECT_EQ(l.controlFrame, (RectTw{60, 405, 9945, 1035}));
    LayOutMainForm(l, 0, 0);  // minimized
    EXPECT_EQ(l.status[0], before.status[0]);
    EXPECT_EQ(l.controlFrame, (RectTw{60, 405, 9945, 1035}));
    EXPECT_EQ(l.optionFrame, (RectTw{-1935, -1095, 1875, 1035}));
    LayOutMainForm(l, 9000, 6000);
    EXPECT_EQ(l.textbox[0], (RectTw{60, 435, 4410, 4185}));
}

TEST(BrowseLayout, TreeAboveARowOfButtonsWithTheTreesLeftAsMargin) {
    BrowseLayout l;
    LayOutFolderBrowse(l, 6000, 5000);
    EXPECT_EQ(l.explorer, (RectTw{60, 120, 5880, 4385}));
    EXPECT_EQ(l.cancel, (RectTw{4785, 4565, 1155, 375}));
    EXPECT_EQ(l.accept, (RectTw{3570, 4565, 1155, 375}));
    EXPECT_EQ(l.helpMe, (RectTw{60, 4565, 1155, 375}));
    LayOutFolderBrowse(l, 100, 100);  // too small for the tree: it stays
    EXPECT_EQ(l.explorer, (RectTw{60, 120, 5880, 4385}));
    EXPECT_EQ(l.cancel, (RectTw{-1115, -335, 1155, 375}));
}

// The system's own restored rectangle would be off by a taskbar at the top.
TEST(PlaceToStore, IsTheLastRestoredPlaceWhileMinimizedOrMaximized) {
    const PixelRect maximized{-4, -4, 1288, 1002}, restored{30, 40, 600, 450};
    EXPECT_EQ(PlaceToStore(maximized, false, restored, {15, 15}), (StoredPlace{450, 600, 9000, 6750}));
    EXPECT_EQ(PlaceToStore(restored, true, {}, {15, 12}), (StoredPlace{450, 480, 9000, 5400}));
}

TEST(StoredPlaceOf, ReadsLeadingNumbersAndNothingWithoutASize) {
    EXPECT_EQ(StoredPlaceOf("-1200.4", "900 twips", "8250", "6000"), (StoredPlace{-1200, 900, 8250, 6000}));
    EXPECT_EQ(StoredPlaceOf("40000", "none", "8250", ""), (StoredPlace{0, 0, 8250, 0}));  // raised on opening
    EXPECT_EQ(StoredPlaceOf("10", "10", "", "0"), std::nullopt);
}

// A lost height opened a bare caption, and the closing stored it so again.
TEST(PlaceToOpen, NoSmallerEitherWayThanTheMinimumTrackSizeWhereverStored) {
    EXPECT_EQ(PlaceToOpen({-1200, 900, 8250, 0}, {15, 12}, {538, 322}), (PixelRect{-80, 75, 550, 322}));
    EXPECT_EQ(PlaceToOpen({0, 0, 8055, 3876}, {15, 12}, {538, 322}), (PixelRect{0, 0, 538, 323}));
}

TEST(FolderChoice, FileSystemFoldersAndTheDesktopOnlyAndTheHelpTopicByExactProgramName) {
    EXPECT_TRUE(IsValidChoice("C:\\"));
    EXPECT_TRUE(IsValidChoice("Desktop"));
    EXPECT_FALSE(IsValidChoice("My Computer"));
    EXPECT_FALSE(IsValidChoice("desktop"));
    EXPECT_EQ(ChoiceOf("Desktop"), kDesktopChoice);
    EXPECT_EQ(ChoiceOf("C:\\x"), "C:\\x");
    EXPECT_EQ(BrowseHelpContext("Quorvex"), 162);
    EXPECT_EQ(BrowseHelpContext("Tolvar"), 140);
    EXPECT_EQ(BrowseHelpContext("quorvex"), 100);
}

// A notch is 120 in the high word, the keys in the low word; the top index
// never goes above the first item.
TEST(Wheel, TurnsTheListByOneLineANotchOrFiveWithAKeyHeld) {
    EXPECT_EQ(WheelRotation(0x00780000u), 120);
    EXPECT_EQ(WheelRotation(0xFF880008u), -120);
    EXPECT_EQ(WheelKeys(0xFF880008u), 8);
    EXPECT_EQ(WheelStep(0), 1);
    // Each key or button flag alone: left, right, Shift, Ctrl, middle, X1, X2.
    for (const int flag : {1, 2, 4, 8, 0x10, 0x20, 0x40}) EXPECT_EQ(WheelStep(flag), 5) << flag;
    const int rows[][4] = {
        // top, wheel, step, new top
        {3, 120, 1, 2}, {3, 120, 5, 0}, {0, 120, 1, 0}, {3, -120, 5, 8}, {3, 0, 5, 3},
    };
    for (const auto& [top, wheel, step, expected] : rows) EXPECT_EQ(WheelTopIndex(top, wheel, step), expected) << top;
}

TEST(WheelPane, RightPaneOnlyBeyondItsLeftEdge) {
    // Form at 1500 twips (100 px), right list at 3945 twips: the edge is 363 px.
    EXPECT_EQ(WheelPane(363, 1500, 3945, 15), 0);
    EXPECT_EQ(WheelPane(364, 1500, 3945, 15), 1);
    EXPECT_EQ(WheelPane(64, -3000, 3945, 15), 1);  // a form partly off the screen's left
    EXPECT_EQ(WheelPane(63, -3000, 3945, 15), 0);
}

}  // namespace
}  // namespace quorvex
