#include "window/ScrollRules.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// A notch is 120 in the high word, the keys in the low word; the top index
// never goes above the first item.
TEST(Wheel, TurnsTheListByOneLineANotchOrFiveWithAKeyHeld) {
    EXPECT_EQ(WheelRotation(0x00780000u), 120);
    EXPECT_EQ(WheelRotation(0xFF880008u), -120);
    EXPECT_EQ(WheelKeys(0xFF880008u), 8);
    EXPECT_EQ(WheelStep(0), 1);
    EXPECT_EQ(WheelStep(8), 5);
    const int rows[][4] = {  // top, wheel, step, new top
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

TEST(IsSelectAllKey, OnlyCtrlWithA) {
    EXPECT_TRUE(IsSelectAllKey('A', kCtrlMask));
    EXPECT_FALSE(IsSelectAllKey('A', kCtrlMask | kShiftMask));
    EXPECT_FALSE(IsSelectAllKey('A', 0));
    EXPECT_FALSE(IsSelectAllKey('B', kCtrlMask));
}

}  // namespace
}  // namespace quorvex
