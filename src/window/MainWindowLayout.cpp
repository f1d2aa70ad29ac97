// Every resize of the main form lays its controls out anew from its inner size.
#include "app/Quorvex.h"
#include "window/Twips.h"

namespace quorvex {

void Quorvex::Form_Resize() {
    if (Textbox[0] == nullptr) return;  // the first WM_SIZE comes before the controls
    RECT client{};
    GetClientRect(hwnd_, &client);
    LayOutMainForm(layout_, PixelsToTwips(client.right, twipsPerPixelX_), PixelsToTwips(client.bottom, twipsPerPixelY_));
    ApplyLayout();
}

void Quorvex::ApplyLayout() {
    const auto place = [this](HWND control, const RectTw& r) {
        MoveWindow(control, PixelsX(r.left), PixelsY(r.top), PixelsX(r.width), PixelsY(r.height), TRUE);
    };
    for (int i = 0; i < 2; ++i) {
        place(Textbox[i], layout_.textbox[i]);
        place(Listbox[i], layout_.listbox[i]);
        place(Status[i].hWnd, layout_.status[i]);
        const auto& open = layout_.btnOpen[i];
        BtnOpen[i].Move(PixelsX(open.left), PixelsY(open.top), PixelsX(open.width), PixelsY(open.height));
        place(BtnCopy[i].hWnd(), layout_.btnCopy[i]);
        place(BtnSave[i].hWnd(), layout_.btnSave[i]);
    }
    const auto& cf = layout_.controlFrame;
    ControlFrame.Move(PixelsX(cf.left), PixelsY(cf.top), PixelsX(cf.width), PixelsY(cf.height));
    const auto& of = layout_.optionFrame;
    OptionFrame.Move(PixelsX(of.left), PixelsY(of.top), PixelsX(of.width), PixelsY(of.height));
}

}  // namespace quorvex
