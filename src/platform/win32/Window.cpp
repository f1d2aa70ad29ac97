#include "platform/win32/Window.h"

#include <cstring>
#include <iterator>
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
                           outer.right - outer.left, outer.bottom - outer.top, args.owner, nullptr, args.instance,
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

namespace {

bool IsPushButton(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, static_cast<int>(std::size(name)));
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(name, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

void Press(HWND button) {
    if (button != nullptr && IsWindowEnabled(button) && IsWindowVisible(button)) SendMessageA(button, BM_CLICK, 0, 0);
}

char Upper(char letter) {
    CharUpperBuffA(&letter, 1);
    return letter;
}

// The push button of `form` whose caption marks `letter` with "&".
HWND ButtonForAccessKey(HWND form, char letter) {
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char caption[64] = {};
        GetWindowTextA(child, caption, static_cast<int>(std::size(caption)));
        const char* mark = std::strchr(caption, '&');
        if (mark && mark[1] && Upper(mark[1]) == Upper(letter) && IsPushButton(child))
            return child;
    }
    return nullptr;
}

}  // namespace

bool TranslateFormKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSCHAR) return false;
    // The form's own control, not a window inside it (the edit of a combo
    // box); walked by hand, as Windows Me has no GetAncestor.
    // A form with the focus itself is its own form (GetParent would give its
    // owner).
    const auto isChild = [](HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; };
    HWND control = message.hwnd;
    while (control != nullptr && isChild(control) && isChild(GetParent(control))) control = GetParent(control);
    const HWND formWindow = control != nullptr && isChild(control) ? GetParent(control) : control;
    if (control == formWindow) control = nullptr;
    const Window* form = Window::FromHandle(formWindow);
    if (form == nullptr) return false;
    if (message.message == WM_SYSCHAR) {
        const HWND button = ButtonForAccessKey(formWindow, static_cast<char>(message.wParam));
        Press(button);
        return button != nullptr;
    }
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    switch (message.wParam) {
        case VK_TAB:
            if (const HWND next = GetNextDlgTabItem(formWindow, control, GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE))
                SetFocus(next);
            return true;
        case VK_RETURN:
            if (form->DefaultButton() == nullptr) return false;
            Press(IsPushButton(control) ? control : form->DefaultButton());
            return true;
        case VK_ESCAPE:
            if (form->CancelButton() == nullptr) return false;
            Press(form->CancelButton());
            return true;
        default:
            return false;
    }
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchFormMessage(message);
    return static_cast<int>(message.wParam);
}

void DispatchFormMessage(const MSG& message) {
    if (TranslateFormKeys(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace quorvex
