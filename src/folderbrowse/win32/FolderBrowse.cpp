#include "folderbrowse/win32/FolderBrowse.h"

#include "folderbrowse/FolderChoice.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Help.h"
#include "platform/win32/MessageBoxes.h"
#include "window/win32/FormGeometry.h"

namespace quorvex {
namespace {

enum Ids { kExplorer = 100, kHelpMe, kAccept, kCancel };

std::string ProgramName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.find_last_of('.'));
}

}  // namespace

FolderBrowse& FolderBrowse::Instance() {
    static FolderBrowse browser;
    return browser;
}

FolderBrowse::~FolderBrowse() { Destroy(); }

void FolderBrowse::Show(HWND owner) {
    tpp_ = ScreenTwipsPerPixel();
    layout_ = BrowseLayout();
    if (!CreateForm({.className = kClassName,
                     .caption = kCaption,
                     .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                     .clientWidth = TwipsToPixels(kBrowseScaleWidth, tpp_.x),
                     .clientHeight = TwipsToPixels(kBrowseScaleHeight, tpp_.y),
                     .instance = GetModuleHandleA(nullptr),
                     .owner = owner}))
        return;
    CreateControls();
    Form_Resize();
    Initialize();  // the form's Load event
    // Modal: the owner takes no input until the browser is gone, and the
    // caller goes on only then.
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(hWnd(), SW_SHOW);
    Explorer.Focus();
    open_ = true;
    MSG message;
    while (open_ && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchFormMessage(message);
    if (open_ && message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (hWnd() != nullptr) Destroy();
    if (owner) SetActiveWindow(owner);
}

void FolderBrowse::CreateControls() {
    const HWND form = hWnd();
    Explorer.Create(form, kExplorer);
    Explorer.onSelectionChanged = [this] { Explorer_SelectionChanged(); };
    Explorer.onActivated = [this] {
        if (Accept.Enabled()) Accept_Click();
    };
    HelpMe.Create({.parent = form, .id = kHelpMe, .caption = "&Help"});
    HelpMe.onClick = [this] { ShowHelp(helpContext_); };
    Accept.Create({.parent = form, .id = kAccept, .caption = "&Accept"});
    Accept.onClick = [this] { Accept_Click(); };
    Cancel.Create({.parent = form, .id = kCancel, .caption = "&Cancel"});
    Cancel.onClick = [this] { Cancel_Click(); };
    SendMessageA(Accept.hWnd(), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    Accept.SetEnabled(false);
}

void FolderBrowse::Initialize() {
    CentreOnScreen(hWnd(), tpp_);
    Explorer.SetSelectedPath(FolderLastChosen());
    Explorer_SelectionChanged();
    helpContext_ = BrowseHelpContext(ProgramName());
    SubclassForm(*this, true);
    font_ = ApplyFonts(hWnd(), {&HelpMe, &Accept, &Cancel});
}

std::optional<LRESULT> FolderBrowse::OnMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_SIZE:
            Form_Resize();
            return 0;
        case WM_CLOSE:
            SubclassForm(*this, false);  // closing is never refused
            return std::nullopt;
        case WM_DESTROY:
            open_ = false;
            return 0;
        default:
            return std::nullopt;
    }
}

void FolderBrowse::Form_Resize() {
    if (Explorer.hWnd() == nullptr) return;
    const RectTw scale = ScaleSize(hWnd(), tpp_);
    LayOutFolderBrowse(layout_, scale.width, scale.height);
    PlaceControl(Explorer, layout_.explorer, tpp_);
    PlaceControl(HelpMe, layout_.helpMe, tpp_);
    PlaceControl(Accept, layout_.accept, tpp_);
    PlaceControl(Cancel, layout_.cancel, tpp_);
}

void FolderBrowse::Explorer_SelectionChanged() { Accept.SetEnabled(IsValidChoice(Explorer.SelectedPath())); }

void FolderBrowse::Accept_Click() {
    const std::string path = Explorer.SelectedPath();
    if (!IsValidChoice(path)) {
        ShowMessageBox(hWnd(), {.text = "The destination folder you have chosen is not valid.",
                                .style = MB_OK | MB_ICONEXCLAMATION,
                                .title = kCaption,
                                .helpButton = false});
        return;
    }
    FolderLastChosen() = ChoiceOf(path);
    Unload();
}

void FolderBrowse::Cancel_Click() {
    FolderLastChosen().clear();
    Unload();
}

void FolderBrowse::Unload() { SendMessageA(hWnd(), WM_CLOSE, 0, 0); }

void FolderBrowse::MouseWheel(const int& Wheel, const int&) {
    if (Wheel == 0) return;
    Explorer.Focus();
    // As typed input: the tree moves its selection itself, after this returns.
    PostMessageA(Explorer.hWnd(), WM_KEYDOWN, Wheel >= 1 ? VK_UP : VK_DOWN, 0);
}

}  // namespace quorvex
