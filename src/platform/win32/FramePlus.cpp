#include "platform/win32/FramePlus.h"

namespace quorvex {

bool FramePlus::Create(HWND parent, int id, const char* caption) {
    return Control::Create({.parent = parent,
                            .className = "BUTTON",
                            .text = caption,
                            .style = WS_VISIBLE | WS_GROUP | BS_GROUPBOX,
                            .exStyle = WS_EX_TRANSPARENT,
                            .id = id});
}

void FramePlus::Contain(Control& control, int left, int top, int width, int height) {
    contained_.push_back({&control, left, top});
    RECT frame{};
    GetWindowRect(hWnd(), &frame);
    MapWindowPoints(HWND_DESKTOP, GetParent(hWnd()), reinterpret_cast<POINT*>(&frame), 2);
    control.Move(frame.left + left, frame.top + top, width, height);
}

void FramePlus::Move(int left, int top, int width, int height) {
    Control::Move(left, top, width, height);
    for (const auto& c : contained_)
        SetWindowPos(c.control->hWnd(), nullptr, left + c.left, top + c.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvex
