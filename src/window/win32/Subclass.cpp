#include "window/win32/Subclass.h"

#include <cstring>
#include <utility>

#include "platform/Tried.h"
#include "window/ScrollRules.h"
#include "window/win32/Form.h"

namespace quorvex {
namespace {

const char kOldWndProc[] = "OldWndProc";
const char kObjectPtr[] = "ObjectPtr";

// The frame and caption that the forms' minimum track sizes are stated for.
constexpr int kStatedFrameWidth = 8;
constexpr int kStatedCaptionAndFrames = 25;

WNDPROC SetProcedure(HWND hWnd, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

void SetMinMaxInfo(const Form& form, LPARAM lParam) {
    MINMAXINFO info;
    std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
    info.ptMinTrackSize = MinTrackSize(form);
    int maxX = info.ptMaxTrackSize.x, maxY = info.ptMaxTrackSize.y;
    info.ptMaxTrackSize.x = form.MaxTrackX(maxX);
    info.ptMaxTrackSize.y = form.MaxTrackY(maxY);
    std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
}

// The lower right corner beyond a form's resize handle sizes the window.
bool OnResizeHandle(HWND hWnd, const Form& form, LPARAM lParam) {
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

LRESULT CallOldWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC old = OldWndProc(hWnd);
    if (old == nullptr) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (uMsg != WM_NCDESTROY) return CallWindowProcA(old, hWnd, uMsg, wParam, lParam);
    Unhook(hWnd);
    return CallWindowProcA(old, hWnd, uMsg, wParam, lParam);
}

bool WindowHook::Install(HWND window, WNDPROC procedure) {
    if (!Hook(window, procedure)) return false;
    window_ = window;
    return true;
}

bool WindowHook::Remove() { return window_ != nullptr && Unhook(std::exchange(window_, nullptr)); }

void SubclassForm(Form& form, bool enable) {
    if (enable)
        form.Subclassing().Install(form.hWnd(), SubclassWndProc);
    else
        form.Subclassing().Remove();
}

Form* FormFromHwnd(HWND hWnd) { return Form::FromHandle(hWnd); }

POINT MinTrackSize(const Form& form) {
    return {form.MinTrackX() - kStatedFrameWidth + NonClientWidth(),
            form.MinTrackY() - kStatedCaptionAndFrames + NonClientHeight()};
}

short NonClientWidth() { return static_cast<short>(2 * GetSystemMetrics(SM_CXFRAME)); }

short NonClientHeight() {
    return static_cast<short>(GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
}

// A form's member that fails is skipped, as one the form lacks: the limits
// stay as the system filled them, a wheel turn is dropped, a hit test is
// passed on.
LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_GETMINMAXINFO:
            if (const Form* form = FormFromHwnd(hWnd)) Tried([&] { SetMinMaxInfo(*form, lParam); });
            return 0;
        case WM_NCHITTEST: {
            bool onHandle = false;
            if (const Form* form = FormFromHwnd(hWnd))
                Tried([&] { onHandle = form->HasResizeHandle() && OnResizeHandle(hWnd, *form, lParam); });
            if (onHandle) return HTBOTTOMRIGHT;
            break;
        }
        case WM_MOUSEWHEEL:
            if (Form* form = FormFromHwnd(hWnd)) {
                int wheel = WheelRotation(static_cast<std::uint32_t>(wParam));
                int wheelKey = WheelKeys(static_cast<std::uint32_t>(wParam));
                Tried([&] { form->MouseWheel(wheel, wheelKey); });
            }
            return 0;
        default:
            break;
    }
    return CallOldWndProc(hWnd, uMsg, wParam, lParam);
}

}  // namespace quorvex
