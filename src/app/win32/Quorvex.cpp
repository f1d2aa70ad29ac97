#include "app/win32/Quorvex.h"

#include <shellapi.h>

#include <cstdint>
#include <utility>

#include "app/win32/ControlIds.h"
#include "folderbrowse/win32/FolderBrowse.h"
#include "platform/HelpContexts.h"
#include "platform/win32/ButtonPictures.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/DroppedFiles.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Help.h"
#include "platform/win32/InstallPath.h"
#include "platform/win32/MessageBoxes.h"
#include "platform/win32/OpenSaveDialogs.h"
#include "platform/win32/Registry.h"
#include "sources/Drops.h"
#include "sources/ListText.h"
#include "sources/win32/FolderListing.h"
#include "sources/win32/HandedOverList.h"
#include "window/ScrollRules.h"
#include "window/win32/FormGeometry.h"
#include "window/win32/PaneHooks.h"
#include "window/win32/Placement.h"

namespace quorvex {
namespace {

constexpr UINT_PTR kStatusTimerId = 1;  // one a pane
constexpr UINT_PTR kSyncTimerId = 3;
constexpr UINT kTimerIntervalMs = 50;
const char kFormName[] = "Quorvex";  // of the placement values
const char kFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

TwipsPerPixel MeasureTwipsPerPixel() {
    const WindowDC screen(nullptr);
    const auto measure = [&](int axis) {
        return static_cast<short>(TwipsPerPixelFor(screen.get() ? GetDeviceCaps(screen.get(), axis) : 96));
    };
    return {measure(LOGPIXELSX), measure(LOGPIXELSY)};
}

MessageBoxArgs QuestionBox(Question question, const std::string& subject) {
    constexpr UINT kYesNo = MB_YESNO | MB_DEFBUTTON1;
    switch (question) {
        case Question::LargeFile:
            return {.text =
                        "Warning: the file you've opened is quite large, which may cause Quorvex to run more "
                        "slowly or even stop responding.  Do you want to proceed?",
                    .style = kYesNo | MB_ICONEXCLAMATION};
        case Question::SameFile:
            return {.text =
                        "You've selected the same file for both sides; are you sure you want to compare this "
                        "file with itself?",
                    .style = kYesNo | MB_ICONQUESTION};
        case Question::Subfolders:
            break;
    }
    return {.text = SubfolderQuestion(subject), .style = kYesNo | MB_ICONQUESTION, .title = "Compare Folders"};
}

MessageBoxArgs NoticeBox(Notice notice) {
    switch (notice) {
        case Notice::NothingToCopy:
            return {.text = "Nothing to copy.", .style = MB_OK | MB_ICONSTOP};
        case Notice::NothingToSave:
            return {.text = "Nothing to save.", .style = MB_OK | MB_ICONSTOP};
        case Notice::FilesIdentical:
            break;
    }
    return {.text = "Files are identical.", .style = MB_OK | MB_ICONINFORMATION};
}

}  // namespace

std::unique_ptr<Quorvex> Quorvex::Create(HINSTANCE instance, std::string commandLine) {
    auto form = std::make_unique<Quorvex>(CreateKey{});
    form->commandLine_ = std::move(commandLine);
    form->tpp_ = MeasureTwipsPerPixel();
    if (!form->CreateForm({.className = kClassName,
                           .caption = "Quorvex",
                           .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           .clientWidth = form->PixelsX(kDesignScaleWidth),
                           .clientHeight = form->PixelsY(kDesignScaleHeight),
                           .instance = instance}))
        return nullptr;
    form->CreateControls();
    form->Form_Resize();
    return form;
}

Quorvex::~Quorvex() { Destroy(); }

void Quorvex::CreateControls() {
    const HWND form = hWnd();
    for (int i = 0; i < 2; ++i) {
        Pane& pane = pane_[i];
        pane.BtnOpen.Create({.parent = form,
                             .id = control::kBtnOpen + i,
                             .caption = "Open...",
                             .dropDownId = control::kBtnOpenDropDown + i});
        pane.BtnOpen.onClick = [this, i] { model_.BtnOpen_Click(i); };
        pane.BtnOpen.onDropDown = [this, i](const std::string& key) { model_.BtnOpen_DropDown(i, key); };
        pane.BtnCopy.Create({.parent = form, .id = control::kBtnCopy + i, .caption = "Copy"});
        pane.BtnCopy.SetPicture(MakeButtonPicture(ButtonPicture::Copy));
        pane.BtnCopy.onClick = [this, i] { model_.BtnCopy_Click(i); };
        pane.BtnSave.Create({.parent = form, .id = control::kBtnSave + i, .caption = "Save..."});
        pane.BtnSave.SetPicture(MakeButtonPicture(ButtonPicture::Save));
        pane.BtnSave.onClick = [this, i] { model_.BtnSave_Click(i); };
        pane.Textbox.Create(form, control::kTextbox + i);
        pane.Textbox.onChange = [this, i] { model_.Textbox_Change(i); };
        pane.Textbox.onScroll = [this, i] { model_.Textbox_Scrolled(i); };
        pane.Textbox.onKeyDown = [this, i](int keyCode, int shift) { model_.Textbox_KeyDown(i, keyCode, shift); };
        pane.Listbox.Create(form, control::kListbox + i);
        pane.Listbox.onScroll = [this, i] { model_.Listbox_Scrolled(i); };
        pane.Status.Create(form, control::kStatus + i);
        pane.StatusTimer.Attach(form, kStatusTimerId + i, kTimerIntervalMs);
        pane.StatusTimer.onTick = [this, i] { model_.StatusTimer_Timer(i); };
    }
    SyncTimer.Attach(form, kSyncTimerId, kTimerIntervalMs);
    SyncTimer.onTick = [this] { model_.SyncTimer_Timer(); };
    DragAcceptFiles(form, TRUE);  // files and folders from the shell, anywhere on the window

    const auto contain = [this](FramePlus& frame, Control& control, const RectTw& place) {
        frame.Contain(control, PixelsX(place.left), PixelsY(place.top), PixelsX(place.width), PixelsY(place.height));
    };
    ControlFrame.Create(form, control::kControlFrame, "Compare these lists");
    const char* const captions[] = {"Show Similarities Only", "Show Differences Only"};
    for (int i = 0; i < 2; ++i) {
        CompareIt[i].Create({.parent = form, .id = control::kCompareIt + i, .caption = captions[i], .latching = true});
        CompareIt[i].onClick = [this, i] { model_.CompareIt_Click(i); };
    }
    btnHelp.Create({.parent = form,
                    .id = control::kBtnHelp,
                    .caption = "",
                    .accessibleName = "Help",
                    .picture = static_cast<HICON>(LoadImageA(nullptr, IDI_QUESTION, IMAGE_ICON, kButtonPicturePixels,
                                                             kButtonPicturePixels, LR_SHARED))});
    btnHelp.onClick = [] { ShowHelp(kQuorvexHelpContext); };
    for (int i = 0; i < 2; ++i) contain(ControlFrame, CompareIt[i], kFrameContents.compareIt[i]);
    contain(ControlFrame, btnHelp, kFrameContents.btnHelp);

    OptionFrame.Create(form, control::kOptionFrame, "Options");
    const std::pair<CheckBox*, Option> options[] = {
        {&OptSync, Option::Sync}, {&OptSort, Option::Sort}, {&OptCaseSensitive, Option::CaseSensitive}};
    OptSync.Create(form, control::kOptSync, "Sync scrolling");
    OptSort.Create(form, control::kOptSort, "Sort results");
    OptCaseSensitive.Create(form, control::kOptCaseSensitive, "Case sensitive");
    for (const auto& [box, option] : options) box->onClick = [this, option = option] { model_.Option_Click(option); };
    ShowOptions(model_.options());
    contain(OptionFrame, OptSync, kFrameContents.optSync);
    contain(OptionFrame, OptSort, kFrameContents.optSort);
    contain(OptionFrame, OptCaseSensitive, kFrameContents.optCaseSensitive);
}

std::optional<LRESULT> Quorvex::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_TIMER:
            for (Timer* timer : {&pane_[0].StatusTimer, &pane_[1].StatusTimer, &SyncTimer})
                if (timer->OnTimer(wParam)) break;
            return 0;
        case WM_SIZE:
            Form_Resize();
            return 0;
        case WM_WINDOWPOSCHANGED:
            if (!IsIconic(hWnd()) && !IsZoomed(hWnd())) restored_ = WindowPlace(hWnd());
            return std::nullopt;  // the default procedure sends WM_SIZE and WM_MOVE
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_DROPFILES:
            Form_Drop(wParam);
            return 0;
        case WM_HELP:
            ShowHelp(kQuorvexHelpContext);
            return TRUE;
        case WM_CLOSE:
            Form_QueryUnload();
            return std::nullopt;  // never refused: the default procedure destroys the window
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The process ends without a WM_CLOSE: the closing runs here.
            if (wParam) Form_QueryUnload();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return std::nullopt;
    }
}

void Quorvex::OnActivate(bool active) {
    if (!active) {
        lastFocus_ = GetFocus();
        return;
    }
    RestoreFocus();
}

// Focus returns to the control that had it when the window was deactivated.
void Quorvex::RestoreFocus() {
    HWND target = lastFocus_;
    if (target == nullptr || !IsChild(hWnd(), target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = pane_[0].Textbox.Visible() ? pane_[0].Textbox.hWnd() : pane_[0].Listbox.hWnd();
    SetFocus(target);
}

void Quorvex::Show() {
    if (!loaded_) {
        loaded_ = true;
        Initialize();  // the form's Load event
    }
    ShowWindow(hWnd(), SW_SHOW);
    UpdateWindow(hWnd());
}

void Quorvex::Initialize() {
    SetInstallPath(GetInstallPath());  // ends the program on a system it does not support
    font_ = ApplyFonts(hWnd(), {&pane_[0].BtnOpen, &pane_[0].BtnCopy, &pane_[0].BtnSave, &pane_[1].BtnOpen,
                                &pane_[1].BtnCopy, &pane_[1].BtnSave, &CompareIt[0], &CompareIt[1], &btnHelp});
    SetScreenTwipsPerPixel(tpp_);
    if (!LoadWindowPlacement(*this, kFormName, tpp_)) CentreOnScreen(hWnd(), tpp_);
    model_.Start(commandLine_);
    for (Pane& pane : pane_) {
        pane.BtnOpen.AddDropDownItem("File", "Open File...");
        pane.BtnOpen.AddDropDownItem("Folder", "Open Folder...");
    }
    SubclassForm(*this, true);
    for (Pane& pane : pane_) pane.textboxHook.Install(pane.Textbox.hWnd(), TextboxWndProc);
    for (Pane& pane : pane_) pane.listboxHook.Install(pane.Listbox.hWnd(), ListboxWndProc);
}

// The hooks go before the form's own subclassing, while the window is still
// whole; the placement is taken last. Once only: a log-off that ends the
// session brings no close after it, a close none of the session's end.
void Quorvex::Form_QueryUnload() {
    if (std::exchange(closed_, true)) return;
    CloseHelpWindow();
    for (Pane& pane : pane_) pane.textboxHook.Remove();
    for (Pane& pane : pane_) pane.listboxHook.Remove();
    SubclassForm(*this, false);
    const bool restored = !IsIconic(hWnd()) && !IsZoomed(hWnd());
    SaveWindowPlacement(kFormName, PlaceToStore(WindowPlace(hWnd()), restored, restored_, tpp_));
}

void Quorvex::Form_Resize() {
    if (pane_[0].Textbox.hWnd() == nullptr) return;  // the first WM_SIZE comes before the controls
    const RectTw scale = ScaleSize(hWnd(), tpp_);
    LayOutMainForm(layout_, scale.width, scale.height);
    for (int i = 0; i < 2; ++i) {
        Pane& pane = pane_[i];
        PlaceControl(pane.Textbox, layout_.textbox[i], tpp_);
        PlaceControl(pane.Listbox, layout_.listbox[i], tpp_);
        PlaceControl(pane.Status, layout_.status[i], tpp_);
        PlaceControl(pane.BtnOpen, layout_.btnOpen[i], tpp_);
        PlaceControl(pane.BtnCopy, layout_.btnCopy[i], tpp_);
        PlaceControl(pane.BtnSave, layout_.btnSave[i], tpp_);
    }
    PlaceControl(ControlFrame, layout_.controlFrame, tpp_);
    PlaceControl(OptionFrame, layout_.optionFrame, tpp_);
}

void Quorvex::Form_Drop(WPARAM drop) {
    const DroppedFiles files = TakeDrop(drop);
    RECT client{};
    GetClientRect(hWnd(), &client);
    model_.Form_Drop(DropPane(files.x, tpp_.x, PixelsToTwips(client.right, tpp_.x)), files.paths);
}

void Quorvex::MouseWheel(const int& Wheel, const int& WheelKey) {
    const int step = WheelStep(WheelKey);
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT outer{};
    GetWindowRect(hWnd(), &outer);
    const int pane = WheelPane(pointer.x, PixelsToTwips(outer.left, tpp_.x), layout_.listbox[1].left, tpp_.x);
    ListBox& list = pane_[pane].Listbox;
    const int top = list.TopIndex();
    const int wanted = WheelTopIndex(top, Wheel, step);
    if (wanted == top) return;
    list.SetTopIndex(wanted);
    // The other list follows a wheel turn as it follows the scroll bar.
    if (list.TopIndex() != top) model_.Listbox_Scrolled(pane);
}

// A long text keeps the window busy while the box measures its lines.
void Quorvex::SetText(int pane, const std::string& text) {
    WaitCursor busy;
    pane_[pane].Textbox.SetText(text);
}

void Quorvex::Select(int pane, std::size_t start, std::size_t length) {
    pane_[pane].Textbox.Select(start, length > SIZE_MAX - start ? SIZE_MAX : start + length);
}

void Quorvex::ShowView(View view) {
    CompareIt[0].SetPressed(view == View::Similarities);
    CompareIt[1].SetPressed(view == View::Differences);
    const bool results = ShowsResults(view);
    for (Pane& pane : pane_) pane.Textbox.SetVisible(!results);
    for (Pane& pane : pane_) pane.Listbox.SetVisible(results);
    for (Pane& pane : pane_) pane.BtnOpen.SetEnabled(!results);
}

void Quorvex::ShowOptions(const Options& options) {
    OptSync.SetChecked(options.sync);
    OptSort.SetChecked(options.sort);
    OptCaseSensitive.SetChecked(options.caseSensitive);
}

void Quorvex::ShowResults(const CompareResult& kept) {
    pane_[0].Listbox.Fill(kept.left);
    pane_[1].Listbox.Fill(kept.right);
}

void Quorvex::AlignOtherPane(int pane, bool resultLists) {
    const Pane& from = pane_[pane];
    Pane& to = pane_[OtherPane(pane)];
    if (resultLists)
        to.Listbox.SetTopIndex(from.Listbox.TopIndex());
    else
        to.Textbox.ScrollLines(from.Textbox.FirstVisibleLine() - to.Textbox.FirstVisibleLine());
}

std::optional<std::uint64_t> Quorvex::FileLength(const std::string& path) { return quorvex::FileLength(path); }

std::string Quorvex::ReadFile(const std::string& path) {
    WaitCursor busy;
    return ReadWholeFile(path, kMaxFileBytes, kLargeFileBytes).bytes;
}

// A failed write leaves any earlier file whole.
void Quorvex::WriteFile(const std::string& path, const std::string& content) { WriteFileReplacing(path, content); }

bool Quorvex::IsFolder(const std::string& path) { return quorvex::IsFolder(path); }

std::string Quorvex::ListFolder(const std::string& path, const std::string& rootPath,
                                const std::function<bool()>& includeSubfolders) {
    WaitCursor busy;
    return ListFolderTree(path, rootPath, includeSubfolders);
}

std::vector<std::string> Quorvex::ReadHandedOverList(const std::string& listFile) {
    return quorvex::ReadHandedOverList(listFile);
}

std::string Quorvex::ShowOpenDialog() {
    return quorvex::ShowOpenDialog(hWnd(), "Select a file to compare", "", kFilter);
}

std::string Quorvex::ShowSaveDialog() { return quorvex::ShowSaveDialog(hWnd(), "Save List As", "", "txt", kFilter); }

void Quorvex::ShowFolderBrowser() { FolderBrowse::Instance().Show(hWnd()); }

std::string Quorvex::DesktopFolder() {
    return GetRegString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        "Desktop");
}

// What the box covered is painted again before any long work that follows.
bool Quorvex::Ask(Question question, const std::string& subject) {
    const bool yes = ShowMessageBox(hWnd(), QuestionBox(question, subject)) == IDYES;
    RedrawWindow(hWnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return yes;
}

void Quorvex::Tell(Notice notice) { ShowMessageBox(hWnd(), NoticeBox(notice)); }

void Quorvex::PutOnClipboard(const std::string& text) { PutTextOnClipboard(hWnd(), text); }

}  // namespace quorvex
