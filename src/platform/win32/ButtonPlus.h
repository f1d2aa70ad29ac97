// The program's buttons, on the standard BUTTON class so that accessibility
// tools and automation can read and press them:
// - a latching button is a push-like check box whose pressed state only the
//   program sets; a click reports BN_CLICKED and changes nothing by itself;
// - a button with a drop-down part has a narrow arrow button at its right
//   that opens a menu of (key, caption) entries.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ButtonPictures.h"
#include "platform/win32/Handles.h"

namespace quorvex {

class ButtonPlus {
public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        const char* caption = "";
        const char* accessibleName = nullptr;  // for a button that shows no caption
        bool latching = false;
        int dropDownId = 0;  // non-zero: add the drop-down part with this id
        HICON picture = nullptr;  // shown instead of an empty caption
    };

    struct DropDownItem {
        std::string key;
        std::string caption;
    };

    ButtonPlus() = default;
    ButtonPlus(const ButtonPlus&) = delete;
    ButtonPlus& operator=(const ButtonPlus&) = delete;

    bool Create(const CreateArgs& args);

    HWND hWnd() const { return button_; }
    HWND DropDownHWnd() const { return arrow_; }

    // Position and size of the whole control, drop-down part included.
    void Move(int left, int top, int width, int height);

    bool Enabled() const { return IsWindowEnabled(button_) != FALSE; }
    void SetEnabled(bool enabled);

    bool Pressed() const;
    void SetPressed(bool pressed);

    void Focus() { SetFocus(button_); }

    // 1 draws the focus rectangle on the focused button, 0 hides it (visual
    // styles mark the focused button themselves).
    void SetFocusStyle(int style);

    // Shows a picture left of the caption: through the system's button where
    // it can (common controls 6), elsewhere by drawing the button itself.
    void SetPicture(UniqueImageList picture);

    // Draws a button that draws itself (its parent's WM_DRAWITEM); false for
    // any other control.
    bool Draw(const DRAWITEMSTRUCT& item) const;

    void AddDropDownItem(std::string key, std::string caption);
    const std::vector<DropDownItem>& DropDownItems() const { return items_; }

    // Opens the drop-down menu under the control and waits for the choice:
    // the chosen entry's key, or the empty text when the menu was dismissed.
    std::string ShowDropDown();

private:
    HWND button_ = nullptr;
    HWND arrow_ = nullptr;
    bool latching_ = false;
    UniqueBitmap arrowBitmap_;
    UniqueImageList picture_;
    std::vector<DropDownItem> items_;
};

}  // namespace quorvex
