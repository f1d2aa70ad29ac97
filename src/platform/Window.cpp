#include "platform/Window.h"

#include <utility>

namespace quorvex {

HWND CreateChild(const ChildArgs& args) {
    HWND child = CreateWindowExA(args.exStyle, args.className, args.text, WS_CHILD | args.style, 0, 0, 0, 0,
                                 args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(args.parent, GWLP_HINSTANCE)), nullptr);
    if (child == nullptr) return nullptr;
    if (const auto font = SendMessageA(args.parent, WM_GETFONT, 0, 0))
        SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return child;
}

Window::~Window() {
    // A derived form that forgot Destroy() gets no more messages: its part
    // of the object is gone already.
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

void Window::Destroy() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND window) {
    // The class procedure stays ours after the window is subclassed.
    if (window == nullptr ||
        GetClassLongPtrA(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::WindowProc))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool Window::CreateForm(const CreateArgs& args) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = args.instance;
    wc.hIcon = LoadIconA(args.instance, MAKEINTRESOURCEA(1));
    if (wc.hIcon == nullptr) wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = args.className;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    RECT outer{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&outer, args.style, FALSE, 0);
    return CreateWindowExA(0, args.className, args.caption, args.style, CW_USEDEFAULT, CW_USEDEFAULT,
                           outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, args.instance,
                           this) != nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    // WM_GETMINMAXINFO comes before WM_NCCREATE, with no object yet.
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(self->font_);
        case WM_SETFONT:
            self->font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        default:
            break;
    }
    try {
        if (const auto result = self->OnMessage(message, wParam, lParam)) return *result;
    } catch (...) {
        // A failing handler leaves the window as it was: nothing may unwind
        // through the system's dispatch.
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool TranslateFormKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    // The form's own control, not a window inside it (the edit of a combo
    // box); walked by hand, as Windows Me has no GetAncestor.
    HWND control = message.hwnd;
    while (control != nullptr && (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) &&
           (GetWindowLongA(GetParent(control), GWL_STYLE) & WS_CHILD))
        control = GetParent(control);
    const HWND form = control ? GetParent(control) : nullptr;
    if (form == nullptr || Window::FromHandle(form) == nullptr) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    if (const HWND next = GetNextDlgTabItem(form, control, backwards ? TRUE : FALSE)) SetFocus(next);
    return true;
}

void DispatchFormMessage(const MSG& message) {
    if (TranslateFormKeys(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace quorvex
