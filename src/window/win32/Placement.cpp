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

// The form's minimum track size, asked of the procedure that gives it for a
// drag: the form is placed before it is subclassed, so a WM_GETMINMAXINFO
// sent now would come back with the system's defaults.
PixelSize MinTrackSize(HWND form) {
    MINMAXINFO info{};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SubclassWndProc(form, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return {info.ptMinTrackSize.x, info.ptMinTrackSize.y};
}

}  // namespace

bool LoadWindowPlacement(HWND form, const std::string& name, TwipsPerPixel tpp) {
    // One read after the other: the order of a call's arguments is the compiler's.
    const std::string left = Read(name, ".left"), top = Read(name, ".top");
    const std::string width = Read(name, ".width"), height = Read(name, ".height");
    const auto place = StoredPlaceOf(left, top, width, height);
    if (!place) return false;
    const PixelRect p = PlaceToOpen(*place, tpp, MinTrackSize(form));
    if (GetWindowLongA(form, GWL_STYLE) & WS_THICKFRAME)
        MoveWindow(form, p.left, p.top, p.width, p.height, TRUE);
    else
        SetWindowPos(form, nullptr, p.left, p.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
