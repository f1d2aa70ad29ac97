#include "platform/win32/FramePlus.h"

#include "platform/win32/Window.h"

namespace quorvex {

bool FramePlus::Create(HWND parent, int id, const char* caption) {
    frame_ = CreateChild({.parent = parent, .className = "BUTTON", .text = caption,
                          .style = WS_VISIBLE | WS_GROUP | BS_GROUPBOX, .exStyle = WS_EX_TRANSPARENT, .id = id});
    return frame_ != nullptr;
}

void FramePlus::Contain(HWND control, int left, int top, int width, int height) {
    if (control == nullptr) return;
    contained_.push_back({control, left, top});
    RECT frame{};
    GetWindowRect(frame_, &frame);
    MapWindowPoints(HWND_DESKTOP, GetParent(frame_), reinterpret_cast<POINT*>(&frame), 2);
    MoveWindow(control, frame.left + left, frame.top + top, width, height, TRUE);
}

void FramePlus::Move(int left, int top, int width, int height) {
    MoveWindow(frame_, left, top, width, height, TRUE);
    for (const auto& c : contained_) {
        SetWindowPos(c.control, nullptr, left + c.left, top + c.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace quorvex
