// The main form: two panes, each with its list text box, result list box,
// status box and Open/Copy/Save buttons; the compare buttons and the options
// along the bottom.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ButtonPlus.h"
#include "platform/FramePlus.h"
#include "platform/Timer.h"
#include "window/MainLayout.h"

namespace quorvex {

// A pane's one-line status; its tag holds the pane's source label.
struct StatusBox {
    HWND hWnd = nullptr;
    std::string Tag;
};

class Quorvex {
public:
    static constexpr const char* kClassName = "QuorvexMainForm";

    // Creates the form's window, hidden, with every control at its design
    // place. Null when the window cannot be created.
    static std::unique_ptr<Quorvex> Create(HINSTANCE instance);
    ~Quorvex();
    Quorvex(const Quorvex&) = delete;
    Quorvex& operator=(const Quorvex&) = delete;

    HWND hWnd() const { return hwnd_; }

    // Loads the form (its Load event runs Initialize) and shows it.
    void Show();

    void Initialize();
    void DoCompare();

    // Fills pane `index` with the listing of a folder (see FolderListing.cpp);
    // callers pass an empty root.
    void AddListing(const std::string& path, int index, const std::string& rootPath);
    // Fills pane `index` with a text file's contents.
    void OpenFile(const std::string& filename, int index);
    // Writes a pane's content to a text file.
    void SaveFile(const std::string& filename, const std::string& content);

private:
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    explicit Quorvex(CreateKey) {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OnCommand(int id, int code, HWND control);
    void OnTimer(UINT_PTR id);
    void OnActivate(bool active);
    void RestoreFocus();

    // Events of the form and its controls.
    void Form_Load();
    void Form_Resize();
    void CompareIt_Click(int index);
    void BtnOpen_Click(int index);
    void BtnOpen_DropDown(int index, const std::string& key);
    void BtnCopy_Click(int index);
    void BtnSave_Click(int index);
    void Textbox_Change(int index);
    void StatusTimer_Timer(int index);

    bool ResultsShown() const;
    std::string PaneContent(int index) const;
    bool ConfirmSameFile();

    void CentreOnScreen();
    void ApplyLayout();
    int PixelsX(float twips) const;
    int PixelsY(float twips) const;

    HWND hwnd_ = nullptr;
    bool loaded_ = false;
    HWND lastFocus_ = nullptr;
    short twipsPerPixelX_ = 15;
    short twipsPerPixelY_ = 15;
    MainLayout layout_ = DesignLayout();

    std::array<HWND, 2> Textbox{};
    std::array<HWND, 2> Listbox{};
    std::array<StatusBox, 2> Status{};
    std::array<ButtonPlus, 2> BtnOpen;
    std::array<ButtonPlus, 2> BtnCopy;
    std::array<ButtonPlus, 2> BtnSave;
    std::array<ButtonPlus, 2> CompareIt;
    ButtonPlus btnHelp;
    HWND OptSync = nullptr;
    HWND OptSort = nullptr;
    HWND OptCaseSensitive = nullptr;
    FramePlus ControlFrame;
    FramePlus OptionFrame;
    std::array<Timer, 2> StatusTimer;
    Timer SyncTimer;
};

// The pane's item count from a multi-line text box's line count and text.
std::int64_t CountItems(HWND box);

}  // namespace quorvex
