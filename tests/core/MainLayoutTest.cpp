#include "window/MainLayout.h"

#include <gtest/gtest.h>

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

TEST(MainLayout, PlacesEveryControlAtTheMinimumTrackSize) {
    const MainLayout l = LaidOut(7830, 4425);
    EXPECT_EQ(l.textbox[0], (RectTw{60, 435, 3825, 2610}));
    EXPECT_EQ(l.textbox[1], (RectTw{3945, 435, 3825, 2610}));
    EXPECT_EQ(l.listbox[1], l.textbox[1]);
    EXPECT_EQ(l.status[0], (RectTw{60, 3045, 3825, 225}));
    EXPECT_EQ(l.status[1], (RectTw{3945, 3045, 3825, 225}));
    EXPECT_EQ(l.optionFrame, (RectTw{5895, 3330, 1875, 1035}));
    EXPECT_EQ(l.controlFrame, (RectTw{60, 3330, 5775, 1035}));
    EXPECT_EQ(l.btnCopy[0], (RectTw{1575, 60, 1035, 315}));
    EXPECT_EQ(l.btnSave[0], (RectTw{2670, 60, 1095, 315}));
    EXPECT_EQ(l.btnSave[1], (RectTw{6555, 60, 1095, 315}));
}

// A move that would give a negative size is skipped whole; moves to negative
// places are made.
TEST(MainLayout, TooSmallKeepsSizedControlsWhereTheyWereAndLaysOutAgainLater) {
    MainLayout l = LaidOut(7830, 4425);
    const MainLayout before = l;
    LayOutMainForm(l, 12000, 1500);  // wide but too low: heights negative
    EXPECT_EQ(l.textbox[0], before.textbox[0]);
    EXPECT_EQ(l.controlFrame, (RectTw{60, 405, 9945, 1035}));
    LayOutMainForm(l, 0, 0);  // minimized
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(l.textbox[i], before.textbox[i]);
        EXPECT_EQ(l.listbox[i], before.listbox[i]);
        EXPECT_EQ(l.status[i], before.status[i]);
    }
    EXPECT_EQ(l.controlFrame, (RectTw{60, 405, 9945, 1035}));
    EXPECT_EQ(l.optionFrame, (RectTw{-1935, -1095, 1875, 1035}));
    EXPECT_EQ(l.btnOpen[1], (RectTw{3945, 60, 1455, 315}));
    LayOutMainForm(l, 9000, 6000);
    EXPECT_EQ(l.textbox[0], (RectTw{60, 435, 4410, 4185}));
    EXPECT_EQ(l.controlFrame, (RectTw{60, 4905, 6945, 1035}));
}

}  // namespace
}  // namespace quorvex
