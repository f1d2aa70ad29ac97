#include "app/win32/Quorvex.h"

#include <shellapi.h>

#include "app/CommandLine.h"
#include "app/win32/ControlIds.h"
#include "window/win32/ResultList.h"
#include "compare/TextRoutines.h"
#include "folderbrowse/win32/FolderBrowse.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Help.h"
#include "platform/win32/InstallPath.h"
#include "platform/win32/MessageBoxes.h"
#include "platform/win32/Registry.h"
#include "platform/win32/WindowText.h"
#include "sources/win32/FileLoading.h"
#include "sources/Drops.h"
#include "sources/win32/FolderListing.h"
#include "sources/HandedOverList.h"
#include "sources/ItemCount.h"
#include "sources/ListText.h"
#include "sources/win32/PaneCommands.h"
#include "sources/win32/PaneStatus.h"
#include "window/win32/FormGeometry.h"
#include "window/win32/Placement.h"
#include "window/ScrollRules.h"

namespace quorvex {
namespace {

constexpr UINT_PTR kStatusTimerId = 1;  // + pane
constexpr UINT_PTR kSyncTimerId = 3;
constexpr UINT kTimerIntervalMs = 50;
constexpr short kHelpContext = 162;
const char kFormName[] = "Quorvex";  // of the placement values

const char kStartPrompt[] = "Type a list or open a file or folder to compare";

TwipsPerPixel MeasureTwipsPerPixel() {
    const WindowDC screen(nullptr);
    const auto measure = [&](int axis) {
        return static_cast<short>(TwipsPerPixelFor(screen.get() ? GetDeviceCaps(screen.get(), axis) : 96));
    };
    return {measure(LOGPIXELSX), measure(LOGPIXELSY)};
}

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Raised for the listing's scope, so that even a listing that fails (out of
// memory) leaves the pane's change handling working.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedFlag() { Lower(); }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;
    void Lower() { flag_ = false; }

private:
    bool& flag_;
};

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
        pane.BtnOpen.Create({.parent = form, .id = control::kBtnOpen + i, .caption = "Open...",
                             .dropDownId = control::kBtnOpenDropDown + i});
        pane.BtnCopy.Create({.parent = form, .id = control::kBtnCopy + i, .caption = "Copy"});
        pane.BtnSave.Create({.parent = form, .id = control::kBtnSave + i, .caption = "Save..."});
        pane.BtnCopy.SetPicture(MakeButtonPicture(ButtonPicture::Copy));
        pane.BtnSave.SetPicture(MakeButtonPicture(ButtonPicture::Save));
        pane.Textbox = CreateChild({.parent = form, .className = "EDIT",
                                    .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                             ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                                    .exStyle = WS_EX_CLIENTEDGE, .id = control::kTextbox + i});
        SendMessageA(pane.Textbox, EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
        pane.Listbox = CreateChild({.parent = form, .className = "LISTBOX",
                                    .style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                                    .exStyle = WS_EX_CLIENTEDGE, .id = control::kListbox + i});
        pane.Status = CreateChild({.parent = form, .className = "EDIT",
                                   .style = WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, .id = control::kStatus + i});
        pane.StatusTimer.Attach(form, kStatusTimerId + i, kTimerIntervalMs);
    }
    SyncTimer.Attach(form, kSyncTimerId, kTimerIntervalMs);
    DragAcceptFiles(form, TRUE);  // files and folders from the shell, anywhere on the window

    // Places inside the frames, in twips relative to the frame.
    const auto contain = [this](FramePlus& frame, HWND control, float left, float top, float width, float height) {
        frame.Contain(control, PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height));
    };
    ControlFrame.Create(form, control::kControlFrame, "Compare these lists");
    CompareIt[0].Create(
        {.parent = form, .id = control::kCompareIt, .caption = "Show Similarities Only", .latching = true});
    CompareIt[1].Create(
        {.parent = form, .id = control::kCompareIt + 1, .caption = "Show Differences Only", .latching = true});
    btnHelp.Create({.parent = form, .id = control::kBtnHelp, .caption = "", .accessibleName = "Help",
                    .picture = static_cast<HICON>(LoadImageA(nullptr, IDI_QUESTION, IMAGE_ICON, 16, 16, LR_SHARED))});
    contain(ControlFrame, CompareIt[0].hWnd(), 180, 360, 2355, 435);
    contain(ControlFrame, CompareIt[1].hWnd(), 2640, 360, 2355, 435);
    contain(ControlFrame, btnHelp.hWnd(), 5100, 360, 435, 435);

    OptionFrame.Create(form, control::kOptionFrame, "Options");
    const auto checkBox = [form](const char* caption, int id, bool checked) {
        HWND box = CreateChild({.parent = form, .className = "BUTTON", .text = caption,
                                .style = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, .id = id});
        SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return box;
    };
    OptSync = checkBox("Sync scrolling", control::kOptSync, options_.sync);
    OptSort = checkBox("Sort results", control::kOptSort, options_.sort);
    OptCaseSensitive = checkBox("Case sensitive", control::kOptCaseSensitive, options_.caseSensitive);
    contain(OptionFrame, OptSync, 180, 240, 1515, 255);
    contain(OptionFrame, OptSort, 180, 480, 1515, 255);
    contain(OptionFrame, OptCaseSensitive, 180, 720, 1515, 255);
}

std::optional<LRESULT> Quorvex::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (!OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return std::nullopt;
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_SIZE:
            Form_Resize();
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            for (const Pane& pane : pane_)
                if (pane.BtnCopy.Draw(item) || pane.BtnSave.Draw(item)) return TRUE;
            return std::nullopt;
        }
        case WM_DROPFILES:
            Form_Drop(TakeDrop(wParam));
            return 0;
        case WM_HELP:
            ShowHelp(kHelpContext);
            return TRUE;
        case WM_CLOSE:
            Form_QueryUnload();
            return std::nullopt;  // never refused: the default procedure destroys the window
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return std::nullopt;
    }
}

bool Quorvex::OnCommand(int id, int code, HWND control) {
    // A disabled button never reacts, even to a click sent as a message.
    if (control != nullptr && code == BN_CLICKED && !IsWindowEnabled(control)) return true;
    for (int i = 0; i < 2; ++i) {
        if (id == control::kTextbox + i && code == EN_CHANGE) Textbox_Change(i);
        if (code != BN_CLICKED) continue;
        if (id == control::kCompareIt + i) CompareIt_Click(i);
        if (id == control::kBtnOpen + i) BtnOpen_Click(i);
        if (id == control::kBtnCopy + i) BtnCopy_Click(i);
        if (id == control::kBtnSave + i) BtnSave_Click(i);
        if (id == control::kBtnOpenDropDown + i) {
            const std::string key = pane_[i].BtnOpen.ShowDropDown();
            if (!key.empty()) BtnOpen_DropDown(i, key);
        }
    }
    if (code == BN_CLICKED && control == btnHelp.hWnd()) ShowHelp(kHelpContext);
    if (code == BN_CLICKED && (control == OptSync || control == OptSort || control == OptCaseSensitive))
        Option_Click(control);
    return control != nullptr;
}

void Quorvex::OnTimer(UINT_PTR id) {
    for (int i = 0; i < 2; ++i)
        if (id == pane_[i].StatusTimer.Id()) StatusTimer_Timer(i);
    if (id == SyncTimer.Id()) SyncTimer_Timer();
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
        target = IsWindowVisible(pane_[0].Textbox) ? pane_[0].Textbox : pane_[0].Listbox;
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
    if (!LoadWindowPlacement(hWnd(), kFormName, tpp_)) CentreOnScreen(hWnd(), tpp_);
    HandleCommandLine();
    if (GetWindowTextLengthA(pane_[0].Textbox) == 0 && GetWindowTextLengthA(pane_[1].Textbox) == 0) {
        SetWindowTextA(pane_[0].Status, kStartPrompt);
        SetWindowTextA(pane_[1].Status, WindowText(pane_[0].Status).c_str());
    }
    for (Pane& pane : pane_) {
        pane.BtnOpen.AddDropDownItem("File", "Open File...");
        pane.BtnOpen.AddDropDownItem("Folder", "Open Folder...");
    }
    SubclassForm(hWnd(), true);
    for (Pane& pane : pane_) Hook(pane.Textbox, TextboxWndProc);
    // The result lists report their own scrolling and hand the wheel to the form.
    for (Pane& pane : pane_) HookListbox(pane.Listbox);
}

// The hooks go before the form's own subclassing, while the window is still
// whole; the placement is taken last.
void Quorvex::Form_QueryUnload() {
    CloseHelpWindow();
    for (Pane& pane : pane_) Unhook(pane.Textbox);
    for (Pane& pane : pane_) UnhookListbox(pane.Listbox);
    SubclassForm(hWnd(), false);
    SaveWindowPlacement(hWnd(), kFormName, tpp_);
}

void Quorvex::Form_Resize() {
    if (pane_[0].Textbox == nullptr) return;  // the first WM_SIZE comes before the controls
    const RectTw scale = ScaleSize(hWnd(), tpp_);
    LayOutMainForm(layout_, scale.width, scale.height);
    for (int i = 0; i < 2; ++i) {
        Pane& pane = pane_[i];
        PlaceControl(pane.Textbox, layout_.textbox[i], tpp_);
        PlaceControl(pane.Listbox, layout_.listbox[i], tpp_);
        PlaceControl(pane.Status, layout_.status[i], tpp_);
        const PixelRect open = ToPixels(layout_.btnOpen[i], tpp_);
        pane.BtnOpen.Move(open.left, open.top, open.width, open.height);
        PlaceControl(pane.BtnCopy.hWnd(), layout_.btnCopy[i], tpp_);
        PlaceControl(pane.BtnSave.hWnd(), layout_.btnSave[i], tpp_);
    }
    const PixelRect control = ToPixels(layout_.controlFrame, tpp_), option = ToPixels(layout_.optionFrame, tpp_);
    ControlFrame.Move(control.left, control.top, control.width, control.height);
    OptionFrame.Move(option.left, option.top, option.width, option.height);
}

void Quorvex::CompareIt_Click(int index) {
    view_ = ViewAfterClick(view_, index);
    ShowView();
    if (ShowsResults(view_)) {
        DoCompare();
    } else {
        for (Pane& pane : pane_) pane.StatusTimer.SetEnabled(true);
    }
    for (Pane& pane : pane_) pane.BtnOpen.SetEnabled(!ShowsResults(view_));
    CompareIt[index].Focus();
}

// The latching buttons show the view; the panes show texts or result lists.
void Quorvex::ShowView() {
    CompareIt[0].SetPressed(view_ == View::Similarities);
    CompareIt[1].SetPressed(view_ == View::Differences);
    const bool results = ShowsResults(view_);
    for (Pane& pane : pane_) ShowWindow(pane.Textbox, results ? SW_HIDE : SW_SHOW);
    for (Pane& pane : pane_) ShowWindow(pane.Listbox, results ? SW_SHOW : SW_HIDE);
}

void Quorvex::Option_Click(HWND box) {
    const bool checked = IsChecked(box);
    if (box == OptSync) options_.sync = checked;
    if (box == OptSort) options_.sort = checked;
    if (box == OptCaseSensitive) options_.caseSensitive = checked;
    if (box != OptSync) DoCompare();
}

void Quorvex::DoCompare() {
    for (Pane& pane : pane_) SendMessageA(pane.Listbox, LB_RESETCONTENT, 0, 0);
    kept_ = {};
    try {
        for (int i = 0; i < 2; ++i) kept_.texts[i] = WindowText(pane_[i].Textbox);
        kept_.result = CompareLists(kept_.texts[0], kept_.texts[1],
                                    {.mode = ModeOf(view_),
                                     .caseRule = options_.caseSensitive ? CaseRule::Folded : CaseRule::Exact,
                                     .sort = options_.sort});
        FillResultList(pane_[0].Listbox, kept_.result.left);
        FillResultList(pane_[1].Listbox, kept_.result.right);
    } catch (const std::exception&) {
        // Out of memory for the lists: the panes show and count what was kept.
    }
    SetWindowTextA(pane_[0].Status, ItemsText(static_cast<std::int64_t>(kept_.result.left.size())).c_str());
    SetWindowTextA(pane_[1].Status, ItemsText(static_cast<std::int64_t>(kept_.result.right.size())).c_str());
}

void Quorvex::Textbox_Change(int index) {
    Pane& pane = pane_[index];
    if (pane.listingInProgress) return;
    if (GetWindowTextLengthA(pane.Textbox) == 0) pane.sourceLabel.clear();
    pane.StatusTimer.SetEnabled(false);
    pane.StatusTimer.SetEnabled(true);
}

void Quorvex::StatusTimer_Timer(int index) {
    Pane& pane = pane_[index];
    pane.StatusTimer.SetEnabled(false);
    SetWindowTextA(pane.Status, StatusText(CountItems(pane.Textbox), pane.sourceLabel).c_str());
}

void Quorvex::OpenFile(const std::string& filename, int index) {
    const auto text = LoadListFile(hWnd(), filename);
    if (!text) return;
    SetWindowTextA(pane_[index].Textbox, text->c_str());
    Textbox_Change(index);  // a multi-line text box reports no change of its own for a whole new text
    pane_[index].sourceLabel = filename;
}

// The text is built in memory and set once; the pane's listing flag keeps
// its change handling out until it is there.
void Quorvex::AddListing(const std::string& path, int index, const std::string& rootPath) {
    Pane& pane = pane_[index];
    RaisedFlag listing(pane.listingInProgress);
    if (rootPath.empty()) SetWindowTextA(pane.Textbox, "");
    if (path.empty()) return;
    WaitCursor busy;
    std::string text = rootPath.empty() ? std::string() : WindowText(pane.Textbox);
    text += ListFolderTree(path, rootPath, [&] { return AskIncludeSubfolders(hWnd(), path); });
    SetWindowTextA(pane.Textbox, text.c_str());
    listing.Lower();
    Textbox_Change(index);
    pane.sourceLabel = "contents of " + path;
}

bool Quorvex::ListingInProgress() const { return pane_[0].listingInProgress || pane_[1].listingInProgress; }

std::string Quorvex::PaneContent(int index) const {
    if (!ShowsResults(view_)) return WindowText(pane_[index].Textbox);
    return ResultContent(index == 0 ? kept_.result.left : kept_.result.right);
}

void Quorvex::BtnOpen_Click(int index) {
    const std::string path = AskFileToOpen(hWnd(), pane_[OtherPane(index)].sourceLabel);
    if (!path.empty()) OpenFile(path, index);
}

void Quorvex::BtnOpen_DropDown(int index, const std::string& key) {
    if (key == "File") BtnOpen_Click(index);
    if (key == "Folder") BrowseAndList(index);
}

void Quorvex::BrowseAndList(int index) {
    FolderBrowse::Instance().Show(hWnd());
    // The desktop is resolved in the value itself, so the next showing
    // preselects the desktop's folder.
    std::string& folder = FolderLastChosen();
    if (folder == "\"Desktop\"")
        folder = AddBackslash(GetRegString(HKEY_CURRENT_USER,
                                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop"));
    if (!folder.empty()) AddListing(folder, index, "");
}

void Quorvex::BtnCopy_Click(int index) { CopyContent(hWnd(), PaneContent(index)); }

void Quorvex::BtnSave_Click(int index) {
    const std::string content = PaneContent(index);
    const std::string path = AskFileToSave(hWnd(), content, pane_[OtherPane(index)].sourceLabel);
    if (!path.empty()) SaveFile(path, content);
}

// No line end is added: a list saved and opened again is the same list, and
// result lists already end every item with CR LF. A failed write leaves any
// earlier file whole.
void Quorvex::SaveFile(const std::string& filename, const std::string& content) {
    WriteFileReplacing(filename, content);
}

void Quorvex::EnumFileList(std::string F) {
    for (std::string& name : ReadHandedOverList(F)) FileList.push_back(std::move(name));
}

// Fills the panes from a list file another program handed over; never
// compares, but says when the two panes came out the same.
void Quorvex::HandleCommandLine() {
    const CommandLine line = ParseCommandLine(commandLine_);
    if (!line.acted) return;
    if (line.command.size() == 2) EnumFileList(line.listFile);
    const std::size_t n = FileList.size() - 1;
    const bool files = line.command == "/f", folders = line.command == "/d";
    if ((files || folders) && n == 3) AppendNames(0, n);
    if (files && n == 1) {
        OpenFile(FileList[1], 0);
        BtnOpen_Click(1);
    }
    if (files && n == 2) {
        OpenFile(FileList[1], 0);
        OpenFile(FileList[2], 1);
    }
    if (folders && (n == 1 || n == 2)) AddListing(FileList[1], 0, "");
    if (folders && n == 1) BrowseAndList(1);
    if (folders && n == 2) AddListing(FileList[2], 1, "");
    const std::string left = WindowText(pane_[0].Textbox);
    if (!left.empty() && left == WindowText(pane_[1].Textbox))
        ShowMessageBox(hWnd(), {.text = "Files are identical.", .style = MB_OK | MB_ICONINFORMATION});
}

// The bare names of the first handed-over entries, a line each.
void Quorvex::AppendNames(int index, std::size_t count) {
    std::string text = WindowText(pane_[index].Textbox);
    for (std::size_t i = 1; i <= count; ++i) text.append(StripPath(FileList[i], "\\")).append("\r\n");
    SetWindowTextA(pane_[index].Textbox, text.c_str());
    Textbox_Change(index);
}

// One item onto an empty pane is opened; otherwise the items' names are
// added to the pane's list and selected. A drop that comes while a listing
// asks about subfolders is let go: the listing is about to set the text.
void Quorvex::Form_Drop(const DroppedFiles& drop) {
    if (ListingInProgress() || drop.paths.empty()) return;
    RECT client{};
    GetClientRect(hWnd(), &client);
    const int index = DropPane(drop.x, tpp_.x, PixelsToTwips(client.right, tpp_.x));
    const HWND box = pane_[index].Textbox;
    const std::string text = WindowText(box);
    if (drop.paths.size() == 1 && text.empty()) {
        if (IsFolder(drop.paths[0]))
            AddListing(drop.paths[0], index, "");
        else
            OpenFile(drop.paths[0], index);
    } else {
        // Only the added names go in, at the end: replacing a long text
        // costs the edit control far more than adding to it.
        const std::string added = TextWithDroppedNames(text, drop.paths).substr(text.size());
        SendMessageA(box, EM_SETSEL, text.size(), text.size());
        SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
        SendMessageA(box, EM_SETSEL, text.size(), text.size());
    }
    DWORD start = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageA(box, EM_SETSEL, start, start + 65386);
}

int Quorvex::PaneOf(HWND control) const {
    return control == pane_[1].Textbox || control == pane_[1].Listbox ? 1 : 0;
}

void Quorvex::TextboxScrolled(HWND textbox) {
    if (!options_.sync || ListingInProgress()) return;
    // A second scroll before the tick takes the lead: the last one wins.
    SyncTimer.Tag = std::to_string(PaneOf(textbox));
    SyncTimer.SetEnabled(true);
}

void Quorvex::SyncTimer_Timer() {
    SyncTimer.SetEnabled(false);
    if (SyncTimer.Tag == "0" || SyncTimer.Tag == "1") Sync(SyncTimer.Tag == "1" ? 1 : 0);
}

void Quorvex::Sync(int pane) {
    const int other = OtherPane(pane);
    if (ShowsResults(view_))
        SyncListboxes(pane_[pane].Listbox, pane_[other].Listbox);
    else
        SyncTextboxes(pane_[pane].Textbox, pane_[other].Textbox);
}

void Quorvex::ListboxScrolled(HWND listbox) {
    if (options_.sync) Sync(PaneOf(listbox));
}

void Quorvex::TextboxKeyDown(HWND textbox, int keyCode, int shift) {
    if (IsSelectAllKey(keyCode, shift)) SendMessageA(textbox, EM_SETSEL, 0, GetWindowTextLengthA(textbox));
}

void Quorvex::MouseWheel(int& Wheel, int& WheelKey) {
    const int step = WheelStep(WheelKey);
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT outer{};
    GetWindowRect(hWnd(), &outer);
    const int pane = WheelPane(pointer.x, PixelsToTwips(outer.left, tpp_.x), layout_.listbox[1].left, tpp_.x);
    const HWND list = pane_[pane].Listbox;
    const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int wanted = WheelTopIndex(top, Wheel, step);
    if (wanted == top) return;
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(wanted), 0);
    // The other list follows a wheel scroll as it follows the scroll bar.
    if (SendMessageA(list, LB_GETTOPINDEX, 0, 0) != top) ListboxScrolled(list);
}

}  // namespace quorvex
