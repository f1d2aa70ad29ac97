// A frame: a group box with a caption whose contained controls keep their
// places relative to it and move with it. The contained controls are siblings
// of the group box (children of the form), so their notifications reach the
// form directly.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/Controls.h"

namespace quorvex {

class FramePlus : public Control {
public:
    bool Create(HWND parent, int id, const char* caption);

    // Places `control` at left, top (pixels, relative to the frame) with the
    // given size; from now on it moves with the frame.
    void Contain(Control& control, int left, int top, int width, int height);

    void Move(int left, int top, int width, int height) override;

private:
    struct Contained {
        Control* control;
        int left;
        int top;
    };

    std::vector<Contained> contained_;
};

}  // namespace quorvex
