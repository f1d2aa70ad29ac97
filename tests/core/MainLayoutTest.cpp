#include "window/MainLayout.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

void ExpectRect(const RectTw& r, float left, float top, float width, float height) {
    EXPECT_FLOAT_EQ(r.left, left);
    EXPECT_FLOAT_EQ(r.top, top);
    EXPECT_FLOAT_EQ(r.width, width);
    EXPECT_FLOAT_EQ(r.height, height);
}

TEST(MainLayout, PlacesEveryControlAtTheMinimumTrackSize) {
    MainLayout l = DesignLayout();
    LayOutMainForm(l, 7830, 4425);
    ExpectRect(l.textbox[0], 60, 435, 3825, 2610);
    ExpectRect(l.textbox[1], 3945, 435, 3825, 2610);
    ExpectRect(l.listbox[1], 3945, 435, 3825, 2610);
    ExpectRect(l.status[0], 60, 3045, 3825, 225);
    ExpectRect(l.status[1], 3945, 3045, 3825, 225);
    ExpectRect(l.optionFrame, 5895, 3330, 1875, 1035);
    ExpectRect(l.controlFrame, 60, 3330, 5775, 1035);
    ExpectRect(l.btnCopy[0], 1575, 60, 1035, 315);
    ExpectRect(l.btnSave[0], 2670, 60, 1095, 315);
    ExpectRect(l.btnSave[1], 6555, 60, 1095, 315);
}

TEST(MainLayout, PanesShareTheWidthWithAGapOfSixty) {
    for (float w : {7635.0f, 7831.0f, 9000.5f, 15000.0f, 19201.0f}) {
        SCOPED_TRACE(w);
        MainLayout l = DesignLayout();
        LayOutMainForm(l, w, 6000);
        EXPECT_FLOAT_EQ(l.textbox[1].left, l.textbox[0].width + 120);
        EXPECT_FLOAT_EQ(l.textbox[0].width, (w - 180) / 2);  // halves are not rounded
        EXPECT_FLOAT_EQ(l.controlFrame.left + l.controlFrame.width + 60, l.optionFrame.left);
    }
}

TEST(MainLayout, MinimizingKeepsSizedControlsAndRestoringLaysOutAgain) {
    MainLayout l = DesignLayout();
    LayOutMainForm(l, 7830, 4425);
    const MainLayout before = l;
    LayOutMainForm(l, 0, 0);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ExpectRect(l.textbox[i], before.textbox[i].left, before.textbox[i].top, before.textbox[i].width,
                   before.textbox[i].height);
        ExpectRect(l.listbox[i], before.listbox[i].left, before.listbox[i].top, before.listbox[i].width,
                   before.listbox[i].height);
        ExpectRect(l.status[i], before.status[i].left, before.status[i].top, before.status[i].width,
                   before.status[i].height);
    }
    ExpectRect(l.controlFrame, 60, before.controlFrame.top, 5775, 1035);
    // Moves of fixed-size controls are made, even to negative positions.
    ExpectRect(l.optionFrame, -1935, -1095, 1875, 1035);
    ExpectRect(l.btnOpen[1], 3945, 60, 1455, 315);

    LayOutMainForm(l, 9000, 6000);
    ExpectRect(l.textbox[0], 60, 435, 4410, 4185);
    ExpectRect(l.controlFrame, 60, 4905, 6945, 1035);
}

TEST(MainLayout, NegativeHeightSkipsTheWholeMoveOfATextBox) {
    MainLayout l = DesignLayout();
    LayOutMainForm(l, 7830, 4425);
    LayOutMainForm(l, 12000, 1500);  // wide but too low: widths positive, heights negative
    ExpectRect(l.textbox[0], 60, 435, 3825, 2610);
    ExpectRect(l.textbox[1], 3945, 435, 3825, 2610);
    ExpectRect(l.controlFrame, 60, 405, 9945, 1035);
}

}  // namespace
}  // namespace quorvex
