// A frame: a group box with a caption whose contained controls keep their
// places relative to it and move with it. The contained controls are siblings
// of the group box (children of the form), so their notifications reach the
// form directly.
#pragma once

#include <windows.h>

#include <vector>

namespace quorvex {

class FramePlus {
public:
    FramePlus() = default;
    FramePlus(const FramePlus&) = delete;
    FramePlus& operator=(const FramePlus&) = delete;

    bool Create(HWND parent, int id, const char* caption);
    HWND hWnd() const { return frame_; }

    // Places `control` at left, top (pixels, relative to the frame) with the
    // given size; from now on it moves with the frame.
    void Contain(HWND control, int left, int top, int width, int height);

    void Move(int left, int top, int width, int height);

private:
    struct Contained {
        HWND control;
        int left;
        int top;
    };

    HWND frame_ = nullptr;
    std::vector<Contained> contained_;
};

}  // namespace quorvex
