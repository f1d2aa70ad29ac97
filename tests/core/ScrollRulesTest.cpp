#include "window/ScrollRules.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(WheelTopIndex, MovesByTheStepButNeverAboveTheFirstItem) {
    const struct {
        int top, wheel, key, expected;
    } rows[] = {
        {6, 120, 1, 1}, {5, 120, 2, 0}, {0, 120, 0, 0}, {3, 0, 8, 3}, {3, 1, 0, 2}, {3, -1, 16, 8},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "top " << r.top << " wheel " << r.wheel << " key " << r.key);
        EXPECT_EQ(WheelTopIndex(r.top, r.wheel, WheelStep(r.key)), r.expected);
    }
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
    EXPECT_FALSE(IsSelectAllKey('A', kCtrlMask | kAltMask));
    EXPECT_FALSE(IsSelectAllKey('A', 0));
    EXPECT_FALSE(IsSelectAllKey('B', kCtrlMask));
}

}  // namespace
}  // namespace quorvex
