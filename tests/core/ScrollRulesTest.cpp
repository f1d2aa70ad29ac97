#include "window/ScrollRules.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

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
