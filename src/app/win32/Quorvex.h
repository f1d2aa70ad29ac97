// The main form: two panes side by side, the compare buttons and the options
// along the bottom. Its handlers read the controls, call the routines of
// compare/, sources/ and window/, and write the controls.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/Pane.h"
#include "compare/CompareEngine.h"
#include "compare/CompareView.h"
#include "platform/win32/ButtonPlus.h"
#include "platform/win32/DroppedFiles.h"
#include "platform/win32/FramePlus.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "window/MainLayout.h"
#include "window/win32/Subclass.h"
#include "window/win32/SyncScrolling.h"
#include "window/Twips.h"

namespace quorvex {

class Quorvex final : public Window, public SubclassedForm, public ScrollingPanes {
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    static constexpr const char* kClassName = "QuorvexMainForm";

    // The form's window, hidden, with every control at its design place;
    // null when the window cannot be created. The command line is the
    // program's arguments, acted on when the form loads.
    static std::unique_ptr<Quorvex> Create(HINSTANCE instance, std::string commandLine = {});
    explicit Quorvex(CreateKey) {}
    ~Quorvex() override;

    // Loads the form (its Load event runs Initialize) and shows it.
    void Show();

    void Initialize();
    void DoCompare();
    // Fills pane `index` with a folder's listing; callers pass an empty root.
    void AddListing(const std::string& path, int index, const std::string& rootPath);
    void OpenFile(const std::string& filename, int index);
    // Writes the content exactly as given (see the definition).
    void SaveFile(const std::string& filename, const std::string& content);
    // Brings the other pane to the first line of pane `pane`.
    void Sync(int pane);
    // Adds the names of a handed-over list file to FileList and deletes it.
    void EnumFileList(std::string F);

    // The handed-over names, numbered from 1 (position 0 is not used).
    std::vector<std::string> FileList{std::string()};

    int MinTrackX() const override { return 530; }
    int MinTrackY() const override { return 320; }
    int MaxTrackX(int& Default) const override { return Default; }
    int MaxTrackY(int& Default) const override { return Default; }
    bool HasResizeHandle() const override { return false; }
    std::optional<PointTw> GetResizeHandle() const override { return std::nullopt; }
    void MouseWheel(int& Wheel, int& WheelKey) override;

private:
    // The options of the "Options" frame, drawn by its check boxes.
    struct Options {
        bool sync = true;
        bool sort = true;
        bool caseSensitive = false;
    };
    // The texts compared last and the items each side kept, which view them.
    struct Comparison {
        std::array<std::string, 2> texts;
        CompareResult result;
    };

    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TextboxScrolled(HWND textbox) override;
    void TextboxKeyDown(HWND textbox, int keyCode, int shift) override;
    void ListboxScrolled(HWND listbox) override;

    void CreateControls();
    bool OnCommand(int id, int code, HWND control);
    void OnTimer(UINT_PTR id);
    void OnActivate(bool active);
    void RestoreFocus();
    void Form_Resize();
    void Form_QueryUnload();

    void CompareIt_Click(int index);
    void Option_Click(HWND box);
    void BtnOpen_Click(int index);
    void BtnOpen_DropDown(int index, const std::string& key);
    void BtnCopy_Click(int index);
    void BtnSave_Click(int index);
    void Textbox_Change(int index);
    void StatusTimer_Timer(int index);
    void SyncTimer_Timer();

    void HandleCommandLine();
    void Form_Drop(const DroppedFiles& drop);
    void BrowseAndList(int pane);
    void AppendNames(int pane, std::size_t count);
    void ShowView();
    bool ListingInProgress() const;
    int PaneOf(HWND control) const;
    // What Copy and Save take: the kept result while results are shown,
    // otherwise the text.
    std::string PaneContent(int index) const;
    int PixelsX(float twips) const { return TwipsToPixels(twips, tpp_.x); }
    int PixelsY(float twips) const { return TwipsToPixels(twips, tpp_.y); }

    bool loaded_ = false;
    std::string commandLine_;
    HWND lastFocus_ = nullptr;
    TwipsPerPixel tpp_;
    MainLayout layout_ = DesignLayout();
    View view_ = View::Edit;
    Options options_;
    Comparison kept_;
    UniqueFont font_;  // Vista's, when the form has one of its own

    std::array<Pane, 2> pane_;
    std::array<ButtonPlus, 2> CompareIt;
    ButtonPlus btnHelp;
    HWND OptSync = nullptr;
    HWND OptSort = nullptr;
    HWND OptCaseSensitive = nullptr;
    FramePlus ControlFrame;
    FramePlus OptionFrame;
    Timer SyncTimer;
};

}  // namespace quorvex
