#include "platform/win32/ButtonPictures.h"

namespace quorvex {
namespace {

constexpr int kSize = kButtonPicturePixels;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    const RECT r{left, top, right, bottom};
    FillRect(dc, &r, brush.get());
}

// A filled rectangle with a one-pixel border.
void Box(HDC dc, int left, int top, int right, int bottom, COLORREF border, COLORREF inside) {
    Fill(dc, left, top, right, bottom, border);
    Fill(dc, left + 1, top + 1, right - 1, bottom - 1, inside);
}

void DrawCopy(HDC dc) {
    const COLORREF ink = RGB(64, 64, 64), paper = RGB(255, 255, 255), text = RGB(128, 128, 160);
    Box(dc, 1, 1, 10, 12, ink, paper);
    Box(dc, 6, 4, 15, 15, ink, paper);
    for (int y = 7; y <= 12; y += 2) Fill(dc, 8, y, 13, y + 1, text);
}

void DrawSave(HDC dc) {
    const COLORREF body = RGB(40, 70, 150), label = RGB(255, 255, 255), shutter = RGB(190, 190, 200);
    Box(dc, 1, 1, 15, 15, RGB(20, 35, 80), body);
    Fill(dc, 4, 2, 12, 8, label);
    Fill(dc, 5, 10, 11, 15, shutter);
    Fill(dc, 6, 11, 8, 14, body);
}

}  // namespace

UniqueImageList MakeButtonPicture(ButtonPicture picture) {
    UniqueImageList list(ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 1, 0));
    const WindowDC screen(nullptr);
    const UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), kSize, kSize));
    if (!list || !dc || !bitmap) return list;
    {
        const SelectedObject selected(dc.get(), bitmap.get());
        Fill(dc.get(), 0, 0, kSize, kSize, kTransparent);
        picture == ButtonPicture::Copy ? DrawCopy(dc.get()) : DrawSave(dc.get());
    }
    ImageList_AddMasked(list.get(), bitmap.get(), kTransparent);
    return list;
}

}  // namespace quorvex
