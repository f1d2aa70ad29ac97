#include "window/win32/FormGeometry.h"

namespace quorvex {

void PlaceControl(Control& control, const RectTw& rect, TwipsPerPixel tpp) {
    const PixelRect p = ToPixels(rect, tpp);
    control.Move(p.left, p.top, p.width, p.height);
}

RectTw ScaleSize(HWND form, TwipsPerPixel tpp) {
    RECT client{};
    GetClientRect(form, &client);
    return {0, 0, PixelsToTwips(client.right, tpp.x), PixelsToTwips(client.bottom, tpp.y)};
}

void CentreOnScreen(HWND form, TwipsPerPixel tpp) {
    RECT outer{};
    GetWindowRect(form, &outer);
    const float width = PixelsToTwips(outer.right - outer.left, tpp.x);
    const float height = PixelsToTwips(outer.bottom - outer.top, tpp.y);
    const float screenWidth = PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), tpp.x);
    const float screenHeight = PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), tpp.y);
    SetWindowPos(form, nullptr, TwipsToPixels(screenWidth / 2 - width / 2, tpp.x),
                 TwipsToPixels(screenHeight / 2 - height / 2, tpp.y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvex
