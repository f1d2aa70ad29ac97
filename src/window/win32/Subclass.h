// Window subclassing: a window's procedure replaced by one of the program's
// own, the old one kept in the window's "OldWndProc" property. The forms get
// their sizing limits and wheel turns through SubclassWndProc and the form
// contract below.
#pragma once

#include <windows.h>

#include <optional>

namespace quorvex {

// Client twips.
struct PointTw {
    float left = 0;
    float top = 0;
};

// What a subclassed form offers. Sizes in pixels: the minimum outer width is
// stated for a frame of 4 pixels each side, the height for caption and
// frames of 25 pixels together.
class SubclassedForm {
public:
    virtual int MinTrackX() const = 0;
    virtual int MinTrackY() const = 0;
    // `Default` carries the system's own limit.
    virtual int MaxTrackX(int& Default) const = 0;
    virtual int MaxTrackY(int& Default) const = 0;
    virtual bool HasResizeHandle() const = 0;
    virtual std::optional<PointTw> GetResizeHandle() const = 0;
    // One wheel message: the rotation (120 a notch, positive away from the
    // user) and the key flags.
    virtual void MouseWheel(int& Wheel, int& WheelKey) = 0;

protected:
    ~SubclassedForm() = default;
};

// True when the window is hooked afterwards; hooking a hooked window changes
// nothing. `owner`, when given, is kept in the "ObjectPtr" property.
bool Hook(HWND hWnd, WNDPROC procedure, void* owner = nullptr);
// True when the old procedure was put back.
bool Unhook(HWND hWnd);
// The procedure that a hooked window had before.
WNDPROC OldWndProc(HWND hWnd);

void SubclassForm(HWND form, bool enable);
LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The open form of this window, or null.
SubclassedForm* FormFromHwnd(HWND hWnd);

short NonClientWidth();
short NonClientHeight();

}  // namespace quorvex
