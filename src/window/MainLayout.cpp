#include "window/MainLayout.h"

namespace quorvex {
MainLayout DesignLayout() {
    MainLayout layout;
    for (int pane = 0; pane < 2; ++pane) {
        layout.btnOpen[pane] = {0, 60, 1455, 315};
        layout.btnCopy[pane] = {0, 60, 1035, 315};
        layout.btnSave[pane] = {0, 60, 1095, 315};
        layout.status[pane] = {0, 0, 0, 225};
    }
    layout.controlFrame = {60, 0, 0, 1035};
    layout.optionFrame = {0, 0, 1875, 1035};
    return layout;
}

void LayOutMainForm(MainLayout& l, float w, float h) {
    Move(l.textbox[0], 60, l.btnOpen[0].height + 120, (w - 180) / 2,
         h - l.controlFrame.height - l.btnOpen[0].height - 240 - l.status[0].height);
    Move(l.textbox[1], l.textbox[0].width + 120, l.textbox[0].top, l.textbox[0].width, l.textbox[0].height);
    Move(l.listbox[0], 60, l.textbox[0].top, l.textbox[0].width, l.textbox[0].height);
    Move(l.listbox[1], l.textbox[1].left, l.textbox[1].top, l.textbox[1].width, l.textbox[1].height);
    MoveTo(l.optionFrame, w - l.optionFrame.width - 60, h - l.controlFrame.height - 60);
    Move(l.controlFrame, 60, l.optionFrame.top, w - l.optionFrame.width - 180, l.controlFrame.height);
    for (int i = 0; i < 2; ++i) {
        Move(l.status[i], l.textbox[i].left, l.textbox[i].top + l.textbox[i].height, l.textbox[i].width,
             l.status[i].height);
        MoveTo(l.btnOpen[i], l.listbox[i].left, 60);
        MoveTo(l.btnCopy[i], l.btnOpen[i].left + l.btnOpen[i].width + 60, 60);
        MoveTo(l.btnSave[i], l.btnCopy[i].left + l.btnCopy[i].width + 60, 60);
    }
}

}  // namespace quorvex
