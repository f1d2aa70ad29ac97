// The program's buttons, on the standard BUTTON class so that accessibility
// tools and automation can read and press them:
// - a latching button is a push-like check box whose pressed state only the
//   program sets; a click reports itself and changes nothing by itself;
// - a button with a drop-down part has a narrow arrow button at its right
//   that opens a menu of (key, caption) entries.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/ButtonPictures.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"

namespace quorvex {

class ButtonPlus : public Control {
public:
    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        const char* caption = "";
        const char* accessibleName = nullptr;  // for a button that shows no caption
        bool latching = false;
        int dropDownId = 0;       // non-zero: add the drop-down part with this id
        HICON picture = nullptr;  // shown instead of an empty caption
    };

    bool Create(const CreateArgs& args);

    // Position and size of the whole control, drop-down part included.
    void Move(int left, int top, int width, int height) override;
    void SetEnabled(bool enabled) override;

    bool Pressed() const;
    void SetPressed(bool pressed);

    // 1 draws the focus rectangle on the focused button, 0 hides it (visual
    // styles mark the focused button themselves).
    void SetFocusStyle(int style);

    // Shows a picture left of the caption: through the system's button where
    // it can (common controls 6), elsewhere by drawing the button itself.
    void SetPicture(UniqueImageList picture);

    void AddDropDownItem(std::string key, std::string caption);

    std::function<void()> onClick;
    // The key of the drop-down entry the user chose.
    std::function<void(const std::string& key)> onDropDown;

    void OnCommand(HWND from, int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OpenDropDown() override;

private:
    // The arrow at the right, a push button of its own.
    class DropDownPart : public Control {
    public:
        explicit DropDownPart(ButtonPlus& owner) : owner_(owner) {}
        bool Create(HWND parent, int id);
        void OnCommand(HWND from, int code) override;
        bool OpenDropDown() override { return owner_.OpenDropDown(); }

    private:
        ButtonPlus& owner_;
        UniqueBitmap arrow_;
    };

    struct DropDownItem {
        std::string key;
        std::string caption;
    };

    bool latching_ = false;
    std::unique_ptr<DropDownPart> dropDown_;
    UniqueImageList picture_;
    std::vector<DropDownItem> items_;
};

}  // namespace quorvex
