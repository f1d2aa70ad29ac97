#include "platform/win32/Controls.h"

#include <climits>

#include "platform/win32/Handles.h"
#include "platform/win32/WindowText.h"

namespace quorvex {
namespace {

// Redraw stays off while the items go in, and comes back even when adding
// them runs out of memory.
class RedrawOff {
public:
    explicit RedrawOff(HWND window) : window_(window) { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawOff() {
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    HWND window_;
};

// In a single-byte code page an item is as wide as its characters together,
// so GDI is asked once per character, not once per item: measuring half a
// million items one by one took 0.3 s under Wine.
LONG WidestItem(HDC dc, const std::vector<std::string_view>& items, std::size_t count) {
    LONG widest = 0;
    CPINFO codePage{};
    INT widths[256];
    if (GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize == 1 && GetCharWidth32A(dc, 0, 255, widths)) {
        for (std::size_t i = 0; i < count; ++i) {
            long long width = 0;
            for (const char c : items[i]) width += widths[static_cast<unsigned char>(c)];
            if (width > widest) widest = width > LONG_MAX - 4 ? LONG_MAX - 4 : static_cast<LONG>(width);
        }
        return widest;
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text.assign(items[i]);
        SIZE extent{};
        if (GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent) && extent.cx > widest)
            widest = extent.cx;
    }
    return widest;
}

}  // namespace

Control* Control::FromHandle(HWND window) {
    return window ? reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA)) : nullptr;
}

bool Control::Create(const ChildArgs& args) {
    window_ = CreateWindowExA(args.exStyle, args.className, args.text, WS_CHILD | args.style, 0, 0, 0, 0, args.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(args.parent, GWLP_HINSTANCE)), nullptr);
    if (window_ == nullptr) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (const auto font = SendMessageA(args.parent, WM_GETFONT, 0, 0))
        SendMessageA(window_, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return true;
}

void Control::Move(int left, int top, int width, int height) { MoveWindow(window_, left, top, width, height, TRUE); }

void Control::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOW : SW_HIDE); }

void Control::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }

bool EditBox::Create(HWND parent, int id) {
    if (!Control::Create({.parent = parent,
                          .className = "EDIT",
                          .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                          .exStyle = WS_EX_CLIENTEDGE,
                          .id = id}))
        return false;
    SendMessageA(hWnd(), EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
    return true;
}

std::string EditBox::Text() const { return WindowText(hWnd()); }

std::size_t EditBox::TextLength() const { return static_cast<std::size_t>(GetWindowTextLengthA(hWnd())); }

void EditBox::SetText(const std::string& text) { SetWindowTextA(hWnd(), text.c_str()); }

void EditBox::AddText(const std::string& text) {
    const auto end = static_cast<WPARAM>(TextLength());
    SendMessageA(hWnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(hWnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void EditBox::Select(std::size_t start, std::size_t end) {
    SendMessageA(hWnd(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::int64_t EditBox::LineCount() const { return SendMessageA(hWnd(), EM_GETLINECOUNT, 0, 0); }

int EditBox::FirstVisibleLine() const { return static_cast<int>(SendMessageA(hWnd(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

void EditBox::ScrollLines(int lines) { SendMessageA(hWnd(), EM_LINESCROLL, 0, lines); }

void EditBox::OnCommand(HWND, int code) {
    if (code == EN_CHANGE && onChange) onChange();
}

bool StatusBox::Create(HWND parent, int id) {
    return Control::Create(
        {.parent = parent, .className = "EDIT", .style = WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, .id = id});
}

bool ListBox::Create(HWND parent, int id) {
    if (!Control::Create({.parent = parent,
                          .className = "LISTBOX",
                          .style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                          .exStyle = WS_EX_CLIENTEDGE,
                          .id = id}))
        return false;
    own_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd(), GWLP_WNDPROC));
    return true;
}

// The items go straight to the list's own procedure: a hook on the list
// passes each message on through a window property, and under Wine a
// property lookup is a round trip to the server, some 40 microseconds.
void ListBox::Fill(const std::vector<std::string_view>& items) {
    const HWND list = hWnd();
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcA(own_, list, message, wParam, lParam);
    };
    const RedrawOff quiet(list);
    send(LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const auto item : items) bytes += item.size() + 1;
    send(LB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    std::string item;
    std::size_t added = 0;
    for (const auto view : items) {
        item.assign(view);
        if (send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())) < 0) break;
        ++added;
    }
    LONG widest = 0;
    if (const WindowDC dc(list); dc.get()) {
        const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
        widest = WidestItem(dc.get(), items, added);
    }
    send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

int ListBox::TopIndex() const { return static_cast<int>(SendMessageA(hWnd(), LB_GETTOPINDEX, 0, 0)); }

void ListBox::SetTopIndex(int index) { SendMessageA(hWnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0); }

bool CheckBox::Create(HWND parent, int id, const char* caption) {
    return Control::Create({.parent = parent,
                            .className = "BUTTON",
                            .text = caption,
                            .style = WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX,
                            .id = id});
}

void CheckBox::SetChecked(bool checked) { SendMessageA(hWnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

void CheckBox::OnCommand(HWND, int code) {
    if (code == BN_CLICKED && onClick) onClick();
}

}  // namespace quorvex
