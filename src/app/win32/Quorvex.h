// The main form: two panes side by side, the compare buttons and the options
// along the bottom. Its model (app/QuorvexModel.h) makes the decisions; the
// form creates and lays out the controls, hands the model what the user
// does, and carries out on the controls and the system what the model asks.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/QuorvexModel.h"
#include "app/win32/Pane.h"
#include "platform/win32/ButtonPlus.h"
#include "platform/win32/Controls.h"
#include "platform/win32/FramePlus.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Timer.h"
#include "window/MainLayout.h"
#include "window/Twips.h"
#include "window/win32/Form.h"

namespace quorvex {

class Quorvex final : public Form, private QuorvexPort {
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
    void DoCompare() { model_.DoCompare(); }
    // Fills pane `pane` with a folder's listing; callers pass an empty root.
    void AddListing(const std::string& path, int pane, const std::string& rootPath) {
        model_.AddListing(path, pane, rootPath);
    }
    void OpenFile(const std::string& filename, int pane) { model_.OpenFile(filename, pane); }
    void SaveFile(const std::string& filename, const std::string& content) { model_.SaveFile(filename, content); }
    void Sync(int pane) { model_.Sync(pane); }
    void EnumFileList(std::string listFile) { model_.EnumFileList(std::move(listFile)); }

    int MinTrackX() const override { return 530; }
    int MinTrackY() const override { return 320; }
    void MouseWheel(const int& Wheel, const int& WheelKey) override;

private:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void OnActivate(bool active);
    void RestoreFocus();
    void Form_Resize();
    void Form_QueryUnload();
    void Form_Drop(WPARAM drop);
    int PixelsX(float twips) const { return TwipsToPixels(twips, tpp_.x); }
    int PixelsY(float twips) const { return TwipsToPixels(twips, tpp_.y); }

    // The port: the model's view of the controls and the system.
    std::string Text(int pane) const override { return pane_[pane].Textbox.Text(); }
    std::size_t TextLength(int pane) const override { return pane_[pane].Textbox.TextLength(); }
    void SetText(int pane, const std::string& text) override;
    void AddText(int pane, const std::string& added) override { pane_[pane].Textbox.AddText(added); }
    void Select(int pane, std::size_t start, std::size_t length) override;
    std::int64_t LineCount(int pane) const override { return pane_[pane].Textbox.LineCount(); }
    void SetStatus(int pane, const std::string& text) override { pane_[pane].Status.SetText(text); }
    void SetStatusTimer(int pane, bool enabled) override { pane_[pane].StatusTimer.SetEnabled(enabled); }
    void SetSyncTimer(bool enabled) override { SyncTimer.SetEnabled(enabled); }
    void ShowView(View view) override;
    void ShowOptions(const Options& options) override;
    void ShowResults(const CompareResult& kept) override;
    void FocusCompareButton(int button) override { CompareIt[button].Focus(); }
    void AlignOtherPane(int pane, bool resultLists) override;
    std::optional<std::uint64_t> FileLength(const std::string& path) override;
    std::string ReadFile(const std::string& path) override;
    void WriteFile(const std::string& path, const std::string& content) override;
    bool IsFolder(const std::string& path) override;
    std::string ListFolder(const std::string& path, const std::string& rootPath,
                           const std::function<bool()>& includeSubfolders) override;
    std::vector<std::string> ReadHandedOverList(const std::string& listFile) override;
    std::string ShowOpenDialog() override;
    std::string ShowSaveDialog() override;
    void ShowFolderBrowser() override;
    std::string DesktopFolder() override;
    bool Ask(Question question, const std::string& subject) override;
    void Tell(Notice notice) override;
    void PutOnClipboard(const std::string& text) override;

    QuorvexModel model_{*this};
    std::string commandLine_;
    bool loaded_ = false;
    bool closed_ = false;
    HWND lastFocus_ = nullptr;
    TwipsPerPixel tpp_;
    MainLayout layout_ = DesignLayout();
    // Where the window was last while neither minimized nor maximized.
    PixelRect restored_;
    UniqueFont font_;  // Vista's, when the form has one of its own

    std::array<Pane, 2> pane_;
    std::array<ButtonPlus, 2> CompareIt;
    ButtonPlus btnHelp;
    CheckBox OptSync;
    CheckBox OptSort;
    CheckBox OptCaseSensitive;
    FramePlus ControlFrame;
    FramePlus OptionFrame;
    Timer SyncTimer;
};

}  // namespace quorvex
