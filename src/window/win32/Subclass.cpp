#include "window/win32/Subclass.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/win32/Window.h"
#include "window/Twips.h"

namespace quorvex {
namespace {

const char kOldWndProc[] = "OldWndProc";
const char kObjectPtr[] = "ObjectPtr";

WNDPROC SetProcedure(HWND hWnd, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

void SetMinMaxInfo(const SubclassedForm& form, LPARAM lParam) {
    MINMAXINFO info;
    std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
    info.ptMinTrackSize.x = form.MinTrackX() - 8 + NonClientWidth();
    info.ptMinTrackSize.y = form.MinTrackY() - 25 + NonClientHeight();
    int maxX = info.ptMaxTrackSize.x, maxY = info.ptMaxTrackSize.y;
    info.ptMaxTrackSize.x = form.MaxTrackX(maxX);
    info.ptMaxTrackSize.y = form.MaxTrackY(maxY);
    std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
}

// The lower right corner beyond the form's resize handle sizes the window.
bool OnResizeHandle(HWND hWnd, const SubclassedForm& form, LPARAM lParam) {
    const auto handle = form.GetResizeHandle();
    if (!handle) return false;
    const TwipsPerPixel tpp = ScreenTwipsPerPixel();
    RECT outer{};
    GetWindowRect(hWnd, &outer);
    const auto x = static_cast<short>(static_cast<short>(LOWORD(lParam)) - outer.left);
    const auto y = static_cast<short>(static_cast<short>(HIWORD(lParam)) - outer.top);
    return x > handle->left / tpp.x && y > handle->top / tpp.y;
}

}  // namespace

bool Hook(HWND hWnd, WNDPROC procedure, void* owner) {
    if (GetPropA(hWnd, kOldWndProc) != nullptr) return true;
    const WNDPROC old = SetProcedure(hWnd, procedure);
    bool ok = false;
    if (old != nullptr) {
        ok = SetPropA(hWnd, kOldWndProc, reinterpret_cast<HANDLE>(old)) != FALSE;
        if (owner != nullptr) ok = ok && SetPropA(hWnd, kObjectPtr, static_cast<HANDLE>(owner)) != FALSE;
    }
    if (ok) return true;
    if (old != nullptr) {
        SetProcedure(hWnd, old);
        RemovePropA(hWnd, kOldWndProc);
    }
    return false;
}

bool Unhook(HWND hWnd) {
    const WNDPROC old = OldWndProc(hWnd);
    if (old == nullptr) return false;
    if (SetProcedure(hWnd, old) == nullptr) return false;
    RemovePropA(hWnd, kOldWndProc);
    RemovePropA(hWnd, kObjectPtr);
    return true;
}

WNDPROC OldWndProc(HWND hWnd) { return reinterpret_cast<WNDPROC>(GetPropA(hWnd, kOldWndProc)); }

void SubclassForm(HWND form, bool enable) {
    if (enable)
        Hook(form, SubclassWndProc);
    else
        Unhook(form);
}

SubclassedForm* FormFromHwnd(HWND hWnd) { return dynamic_cast<SubclassedForm*>(Window::FromHandle(hWnd)); }

short NonClientWidth() { return static_cast<short>(2 * GetSystemMetrics(SM_CXFRAME)); }

short NonClientHeight() { return static_cast<short>(GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME)); }

LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (uMsg) {
            case WM_GETMINMAXINFO:
                if (const auto* form = FormFromHwnd(hWnd)) SetMinMaxInfo(*form, lParam);
                return 0;
            case WM_NCHITTEST:
                if (const auto* form = FormFromHwnd(hWnd); form && form->HasResizeHandle() &&
                                                           OnResizeHandle(hWnd, *form, lParam))
                    return HTBOTTOMRIGHT;
                break;
            case WM_MOUSEWHEEL:
                if (auto* form = FormFromHwnd(hWnd)) {
                    // The whole parameter over 65535: the signed high word
                    // for every real message.
                    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
                    int wheel = static_cast<int>(std::lround(value / 65535.0));
                    int wheelKey = static_cast<int>(wParam & 0xFFFF);
                    form->MouseWheel(wheel, wheelKey);
                }
                return 0;
            default:
                break;
        }
    } catch (...) {
        // A form that fails leaves the message as if it had no form.
    }
    const WNDPROC old = OldWndProc(hWnd);
    return old ? CallWindowProcA(old, hWnd, uMsg, wParam, lParam) : DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace quorvex
