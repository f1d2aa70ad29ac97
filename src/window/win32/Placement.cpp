#include "window/win32/Placement.h"

#include "platform/win32/Registry.h"
#include "window/win32/Subclass.h"

namespace quorvex {
namespace {

const char kKey[] = "Software\\Orlenti\\Quorvex";

std::string Read(const std::string& name, const char* suffix) {
    return GetRegString(HKEY_CURRENT_USER, kKey, name + suffix);
}

void Write(const std::string& name, const char* suffix, long twips) {
    SaveRegString(HKEY_CURRENT_USER, kKey, name + suffix, std::to_string(twips));
}

}  // namespace

bool LoadWindowPlacement(const Form& form, const std::string& name, TwipsPerPixel tpp) {
    // One read after the other: the order of a call's arguments is the compiler's.
    const std::string left = Read(name, ".left"), top = Read(name, ".top");
    const std::string width = Read(name, ".width"), height = Read(name, ".height");
    const auto place = StoredPlaceOf(left, top, width, height);
    if (!place) return false;
    // The form is placed before it is subclassed: the system alone would let
    // it shrink to its caption.
    const POINT least = MinTrackSize(form);
    const PixelRect p = PlaceToOpen(*place, tpp, {least.x, least.y});
    if (GetWindowLongA(form.hWnd(), GWL_STYLE) & WS_THICKFRAME)
        MoveWindow(form.hWnd(), p.left, p.top, p.width, p.height, TRUE);
    else
        SetWindowPos(form.hWnd(), nullptr, p.left, p.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void SaveWindowPlacement(const std::string& name, const StoredPlace& place) {
    Write(name, ".left", place.left);
    Write(name, ".top", place.top);
    Write(name, ".height", place.height);
    Write(name, ".width", place.width);
}

PixelRect WindowPlace(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace quorvex
