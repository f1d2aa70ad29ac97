// The window plumbing both forms stand on: the class registered on first use,
// the form kept in its window's user data from WM_NCCREATE to WM_NCDESTROY,
// the notifications of its controls handed to them, and the contract that
// the subclass procedure asks of every form.
#pragma once

#include <windows.h>

#include <optional>

#include "window/Twips.h"
#include "window/win32/Subclass.h"

namespace quorvex {

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hWnd() const { return hwnd_; }

    // The form behind a window of this plumbing; null for any other window
    // and once the window is gone.
    static Form* FromHandle(HWND window);

    // The form contract, in pixels. The minimum outer width is stated for a
    // frame of 4 pixels each side, the height for caption and frames of 25
    // pixels together; `Default` carries the system's own maximum.
    virtual int MinTrackX() const = 0;
    virtual int MinTrackY() const = 0;
    virtual int MaxTrackX(const int& Default) const { return Default; }
    virtual int MaxTrackY(const int& Default) const { return Default; }
    virtual bool HasResizeHandle() const { return false; }
    // Client twips of the handle's top left corner.
    virtual std::optional<PointTw> GetResizeHandle() const { return std::nullopt; }
    // One wheel message: the rotation (120 a notch, positive away from the
    // user) and the key flags.
    virtual void MouseWheel(const int& Wheel, const int& WheelKey) = 0;

    // The buttons that Enter and Esc press, where the form has them.
    virtual HWND DefaultButton() const { return nullptr; }
    virtual HWND CancelButton() const { return nullptr; }

    // The form's own subclassing (SubclassForm).
    WindowHook& Subclassing() { return subclassing_; }

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

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> ToControls(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    WindowHook subclassing_;
};

// Keys that a form handles for all its controls, as any Windows form does:
// Tab and Shift+Tab move the focus along the tab order; Enter presses the
// focused push button, else the form's default button; Esc presses the
// cancel button; Alt+Down and F4 open a focused button's drop-down; Alt with
// a letter presses the button whose caption marks it with "&". True when the
// message was used up. IsDialogMessage is no substitute: it puts multi-line
// edits into dialog mode, where Esc closes the window and Tab leaves the box
// selected.
bool TranslateFormKeys(const MSG& message);

// Form keys first, then the usual translation and dispatch.
void DispatchFormMessage(const MSG& message);

// Dispatches this thread's messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace quorvex
