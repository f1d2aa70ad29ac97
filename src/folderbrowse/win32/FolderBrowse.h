// The program's modal folder picker, "Choose a Folder...": a folder tree and
// Help, Accept and Cancel. It takes its preselection from, and hands the
// choice back through, the folder last chosen (FolderChoice.h).
#pragma once

#include <windows.h>

#include "folderbrowse/win32/FolderTree.h"
#include "platform/win32/ButtonPlus.h"
#include "platform/win32/Handles.h"
#include "window/BrowseLayout.h"
#include "window/win32/Form.h"

namespace quorvex {

class FolderBrowse final : public Form {
public:
    static constexpr const char* kClassName = "QuorvexFolderBrowse";
    static constexpr const char* kCaption = "Choose a Folder...";

    // The one browser, made by its first caller and kept.
    static FolderBrowse& Instance();
    ~FolderBrowse() override;

    // Loads the form anew, shows it modal to `owner` and returns once it is
    // closed.
    void Show(HWND owner);

    void Initialize();
    int MinTrackX() const override { return 270; }
    int MinTrackY() const override { return 270; }
    void MouseWheel(const int& Wheel, const int& WheelKey) override;

    HWND DefaultButton() const override { return Accept.hWnd(); }
    HWND CancelButton() const override { return Cancel.hWnd(); }

private:
    FolderBrowse() = default;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void Form_Resize();
    void Accept_Click();
    void Cancel_Click();
    void Explorer_SelectionChanged();
    void Unload();

    TwipsPerPixel tpp_;
    BrowseLayout layout_;
    short helpContext_ = 0;
    bool open_ = false;
    UniqueFont font_;
    FolderTree Explorer;
    ButtonPlus HelpMe;
    ButtonPlus Accept;
    ButtonPlus Cancel;
};

}  // namespace quorvex
