#include "window/MainLayout.h"

namespace quorvex {

MainLayout DesignLayout() {
    MainLayout layout;
    for (int pane = 0; pane < 2; ++pane) {
        layout.btnOpen[pane] = {0, kMargin, 1455, 315};
        layout.btnCopy[pane] = {0, kMargin, 1035, 315};
        layout.btnSave[pane] = {0, kMargin, 1095, 315};
        layout.status[pane] = {0, 0, 0, 225};
    }
    layout.controlFrame = {kMargin, 0, 0, 1035};
    layout.optionFrame = {0, 0, 1875, 1035};
    return layout;
}

// Top to bottom: the button rows, the panes, their status boxes, the frames;
// the panes share what the rest leaves, the compare frame what the options
// frame leaves.
void LayOutMainForm(MainLayout& layout, float scaleWidth, float scaleHeight) {
    const float paneWidth = (scaleWidth - 3 * kMargin) / 2;
    const float paneTop = layout.btnOpen[0].height + 2 * kMargin;
    const float paneHeight =
        scaleHeight - layout.controlFrame.height - layout.btnOpen[0].height - 4 * kMargin - layout.status[0].height;
    std::array<RectTw, 2>& textbox = layout.textbox;
    Move(textbox[0], kMargin, paneTop, paneWidth, paneHeight);
    Move(textbox[1], textbox[0].width + 2 * kMargin, textbox[0].top, textbox[0].width, textbox[0].height);
    Move(layout.listbox[0], kMargin, textbox[0].top, textbox[0].width, textbox[0].height);
    Move(layout.listbox[1], textbox[1].left, textbox[1].top, textbox[1].width, textbox[1].height);
    MoveTo(layout.optionFrame, scaleWidth - layout.optionFrame.width - kMargin,
           scaleHeight - layout.controlFrame.height - kMargin);
    Move(layout.controlFrame, kMargin, layout.optionFrame.top, scaleWidth - layout.optionFrame.width - 3 * kMargin,
         layout.controlFrame.height);
    for (int pane = 0; pane < 2; ++pane) {
        Move(layout.status[pane], textbox[pane].left, textbox[pane].top + textbox[pane].height, textbox[pane].width,
             layout.status[pane].height);
        MoveTo(layout.btnOpen[pane], layout.listbox[pane].left, kMargin);
        MoveTo(layout.btnCopy[pane], layout.btnOpen[pane].left + layout.btnOpen[pane].width + kMargin, kMargin);
        MoveTo(layout.btnSave[pane], layout.btnCopy[pane].left + layout.btnCopy[pane].width + kMargin, kMargin);
    }
}

}  // namespace quorvex
