#include "window/win32/Form.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"
#include "window/win32/ProgramIcon.h"

namespace quorvex {
namespace {

struct ProgramIcons {
    UniqueIcon big;
    UniqueIcon little;
};

// The running program's icon at the system's two sizes, loaded once for every
// form class and kept for the program's life. Not LR_SHARED: that cache finds
// an icon by name alone and would give back the first size loaded.
const ProgramIcons& Icons() {
    const auto load = [](int width, int height) {
        return UniqueIcon(
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                          GetSystemMetrics(width), GetSystemMetrics(height), 0)));
    };
    static const ProgramIcons icons{load(SM_CXICON, SM_CYICON), load(SM_CXSMICON, SM_CYSMICON)};
    return icons;
}

}  // namespace

Form::~Form() {
    // A derived form that forgot Destroy() gets no more messages: its part
    // of the object is gone already.
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

void Form::Destroy() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

Form* Form::FromHandle(HWND window) {
    // The class procedure stays ours after the window is subclassed.
    if (window == nullptr || GetClassLongPtrA(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Form::WindowProc))
        return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool Form::CreateForm(const CreateArgs& args) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = args.instance;
    // The generic icon where the program has none of its own.
    wc.hIcon = Icons().big ? Icons().big.get() : LoadIconA(nullptr, IDI_APPLICATION);
    wc.hIconSm = Icons().little.get();
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

// Every child window of a form is a Control: its notifications go to it.
// A window that is no child of this form (a menu's command has none) is
// left to the form.
std::optional<LRESULT> Form::ToControls(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto child = [this](HWND window) {
        return window != nullptr && GetParent(window) == hwnd_ ? Control::FromHandle(window) : nullptr;
    };
    switch (message) {
        case WM_COMMAND:
            if (Control* control = child(reinterpret_cast<HWND>(lParam))) {
                control->OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
                return 0;
            }
            return std::nullopt;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (Control* control = child(header.hwndFrom)) return control->OnNotify(header);
            return std::nullopt;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (Control* control = child(item.hwndItem); control && control->OnDrawItem(item)) return TRUE;
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    // WM_GETMINMAXINFO comes before WM_NCCREATE, with no object yet.
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
        if (const auto result = self->ToControls(message, wParam, lParam)) return *result;
        const auto result = self->OnMessage(message, wParam, lParam);
        // A form laid out anew is painted anew, children and all: a group box
        // paints nothing inside its frame, a form that clips its children
        // nothing under them, and Wine's list boxes keep lines they drew at
        // their old size.
        if (message == WM_SIZE) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        if (result) return *result;
    } catch (...) {
        // A failing handler leaves the window as it was: nothing may unwind
        // through the system's dispatch.
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {

// A button the user presses: a push button, or a push-like check box such
// as a latching compare button.
bool IsPushButton(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, static_cast<int>(std::size(name)));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    return lstrcmpiA(name, "Button") == 0 &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW ||
            ((style & BS_PUSHLIKE) && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)));
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
        if (mark && mark[1] && Upper(mark[1]) == Upper(letter) && IsPushButton(child)) return child;
    }
    return nullptr;
}

bool IsChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

}  // namespace

bool TranslateFormKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN && message.message != WM_SYSCHAR)
        return false;
    // The form's own control, not a window inside it (the edit of a combo
    // box); walked by hand, as Windows Me has no GetAncestor. A form with
    // the focus itself is its own form (GetParent would give its owner).
    HWND control = message.hwnd;
    while (control != nullptr && IsChildWindow(control) && IsChildWindow(GetParent(control)))
        control = GetParent(control);
    const HWND formWindow = control != nullptr && IsChildWindow(control) ? GetParent(control) : control;
    if (control == formWindow) control = nullptr;
    const Form* form = Form::FromHandle(formWindow);
    if (form == nullptr) return false;
    if (message.message == WM_SYSCHAR) {
        const HWND button = ButtonForAccessKey(formWindow, static_cast<char>(message.wParam));
        Press(button);
        return button != nullptr;
    }
    const bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    // As on a combo box.
    if ((message.wParam == VK_DOWN && alt && !ctrl) || (message.wParam == VK_F4 && !alt && !ctrl)) {
        Control* focused = Control::FromHandle(control);
        return focused != nullptr && focused->OpenDropDown();
    }
    if (message.message != WM_KEYDOWN || alt || ctrl) return false;
    switch (message.wParam) {
        case VK_TAB:
            if (const HWND next = GetNextDlgTabItem(formWindow, control, GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE))
                SetFocus(next);
            return true;
        case VK_RETURN:
            if (IsPushButton(control)) {
                Press(control);
                return true;
            }
            if (form->DefaultButton() == nullptr) return false;  // a new line in a pane
            Press(form->DefaultButton());
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
