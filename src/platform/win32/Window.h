// The window plumbing both forms stand on: the class registered on first use,
// the object tied to its window from WM_NCCREATE to WM_NCDESTROY, handlers
// that say whether they handled a message, and child controls that take the
// form's font.
#pragma once

#include <windows.h>

#include <optional>

namespace quorvex {

struct ChildArgs {
    HWND parent = nullptr;
    const char* className = "";
    const char* text = "";
    DWORD style = 0;  // WS_CHILD is always added
    DWORD exStyle = 0;
    int id = 0;
};

// Creates a child control with the font its parent reports (WM_GETFONT).
HWND CreateChild(const ChildArgs& args);

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hWnd() const { return hwnd_; }

    // The object behind a window of this plumbing; null for any other window
    // and once the window is gone.
    static Window* FromHandle(HWND window);

protected:
    struct CreateArgs {
        const char* className = "";
        const char* caption = "";
        DWORD style = WS_OVERLAPPEDWINDOW;
        int clientWidth = 0;  // pixels
        int clientHeight = 0;
        HINSTANCE instance = nullptr;
        HWND owner = nullptr;  // a modal form stays above its owner
    };
    bool CreateForm(const CreateArgs& args);
    // Destroys the window while the derived object is still whole: call it
    // from the derived destructor.
    void Destroy();

    // The message handled and its result, or nothing for the default procedure.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

public:
    // The buttons that Enter and Esc press, where the form has them.
    virtual HWND DefaultButton() const { return nullptr; }
    virtual HWND CancelButton() const { return nullptr; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
};

// Keys that a form handles for all its controls, as any Windows form does:
// Tab and Shift+Tab move the focus along the tab order; where the form has
// them, Enter presses the default button (or the focused button) and Esc the
// cancel button; Alt with a letter presses the button whose caption marks
// it with "&". True when the message was used up. IsDialogMessage is no substitute: it puts multi-line edits into
// dialog mode, where Esc closes the window and Tab leaves the box selected.
bool TranslateFormKeys(const MSG& message);

// Form keys first, then the usual translation and dispatch.
void DispatchFormMessage(const MSG& message);

// Dispatches this thread's messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace quorvex
