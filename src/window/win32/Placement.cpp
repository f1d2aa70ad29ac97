#include "window/win32/Placement.h"

#include "compare/TextRoutines.h"
#include "platform/win32/Registry.h"

namespace quorvex {
namespace {

const char kKey[] = "Software\\Orlenti\\Quorvex";

short Read(const std::string& name, const char* suffix) {
    return LeadingNumber16(GetRegString(HKEY_CURRENT_USER, kKey, name + suffix));
}

void Write(const std::string& name, const char* suffix, long twips) {
    SaveRegString(HKEY_CURRENT_USER, kKey, name + suffix, std::to_string(twips));
}

}  // namespace

bool LoadWindowPlacement(HWND form, const std::string& name, TwipsPerPixel tpp) {
    const short left = Read(name, ".left"), top = Read(name, ".top");
    const short width = Read(name, ".width"), height = Read(name, ".height");
    if (width == 0 && height == 0) return false;
    const int x = TwipsToPixels(left, tpp.x), y = TwipsToPixels(top, tpp.y);
    // The window system raises a size below the minimum track size itself.
    if (GetWindowLongA(form, GWL_STYLE) & WS_THICKFRAME)
        MoveWindow(form, x, y, TwipsToPixels(width, tpp.x), TwipsToPixels(height, tpp.y), TRUE);
    else
        SetWindowPos(form, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
