#include "folderbrowse/BrowseLayout.h"

#include <gtest/gtest.h>

namespace quorvex {

void PrintTo(const RectTw& r, std::ostream* os);

namespace {

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

}  // namespace
}  // namespace quorvex
