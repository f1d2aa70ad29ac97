// The standard controls the forms are made of, each a thin owner of its
// window with the messages the forms send it as member functions. A control
// keeps itself in its window's user data: the form hands each notification
// (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM) and each hooked message to the
// control it came from, and the control calls the handler the form gave it.
// Every child window of the program's forms is one of these.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct ChildArgs {
    HWND parent = nullptr;
    const char* className = "";
    const char* text = "";
    DWORD style = 0;  // WS_CHILD is always added
    DWORD exStyle = 0;
    int id = 0;
};

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hWnd() const { return window_; }

    // The control behind a child window of one of the program's forms.
    static Control* FromHandle(HWND window);

    // Pixels, in the parent's client area.
    virtual void Move(int left, int top, int width, int height);
    void SetVisible(bool visible);
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    virtual void SetEnabled(bool enabled);
    bool Enabled() const { return IsWindowEnabled(window_) != FALSE; }
    void Focus() { SetFocus(window_); }

    // What the control tells its parent, passed on by the form: `from` is
    // the window that sent it.
    virtual void OnCommand(HWND /*from*/, int /*code*/) {}
    virtual std::optional<LRESULT> OnNotify(const NMHDR& /*header*/) { return std::nullopt; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // Alt+Down or F4 while the control has the focus; true when that opened
    // a drop-down.
    virtual bool OpenDropDown() { return false; }

protected:
    // Creates the window with the font its parent reports (WM_GETFONT).
    bool Create(const ChildArgs& args);

private:
    HWND window_ = nullptr;
};

// A pane's multi-line text box.
class EditBox : public Control {
public:
    bool Create(HWND parent, int id);

    std::string Text() const;
    std::size_t TextLength() const;
    // A whole new text; a multi-line box reports no change for it.
    void SetText(const std::string& text);
    // Puts `text` at the end, as typing does.
    void AddText(const std::string& text);
    void Select(std::size_t start, std::size_t end);
    std::int64_t LineCount() const;
    int FirstVisibleLine() const;
    void ScrollLines(int lines);

    std::function<void()> onChange;
    // Told by the text boxes' window procedure.
    std::function<void()> onScroll;
    std::function<void(int keyCode, int shift)> onKeyDown;

    void OnCommand(HWND from, int code) override;
};

// A pane's one-line status box: read-only text.
class StatusBox : public Control {
public:
    bool Create(HWND parent, int id);
    void SetText(const std::string& text) { SetWindowTextA(hWnd(), text.c_str()); }
};

// A pane's result list.
class ListBox : public Control {
public:
    bool Create(HWND parent, int id);

    // Replaces the items without redrawing in between, and lets the list
    // scroll sideways as far as its widest item.
    void Fill(const std::vector<std::string_view>& items);
    int TopIndex() const;
    void SetTopIndex(int index);

    // Told by the result lists' window procedure: the user moved the top line.
    std::function<void()> onScroll;

private:
    WNDPROC own_ = nullptr;  // the class's procedure, before any hook
};

// A check box whose check the program draws from its own state.
class CheckBox : public Control {
public:
    bool Create(HWND parent, int id, const char* caption);
    void SetChecked(bool checked);

    std::function<void()> onClick;

    void OnCommand(HWND from, int code) override;
};

}  // namespace quorvex
