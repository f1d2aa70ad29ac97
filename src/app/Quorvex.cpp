#include "app/Quorvex.h"

#include "app/ControlIds.h"
#include "app/ProgramValues.h"
#include "platform/Handles.h"
#include "platform/WindowText.h"
#include "window/Twips.h"

namespace quorvex {
namespace {

constexpr UINT_PTR kStatusTimerId = 1;  // + pane
constexpr UINT_PTR kSyncTimerId = 3;
constexpr UINT kTimerIntervalMs = 50;

const char kStartPrompt[] = "Type a list or open a file or folder to compare";

HMENU ControlId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

HFONT FormFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND CreateControl(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int id) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                                   ControlId(id),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
    return control;
}

short MeasureTwipsPerPixel(int axis) {
    WindowDC screen(nullptr);
    return static_cast<short>(TwipsPerPixelFor(screen.get() ? GetDeviceCaps(screen.get(), axis) : 96));
}

bool RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (wc.hIcon == nullptr) wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));                      // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = Quorvex::kClassName;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::unique_ptr<Quorvex> Quorvex::Create(HINSTANCE instance) {
    if (!RegisterFormClass(instance, WindowProc)) return nullptr;
    auto form = std::make_unique<Quorvex>(CreateKey{});
    form->twipsPerPixelX_ = MeasureTwipsPerPixel(LOGPIXELSX);
    form->twipsPerPixelY_ = MeasureTwipsPerPixel(LOGPIXELSY);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT outer{0, 0, form->PixelsX(kDesignScaleWidth), form->PixelsY(kDesignScaleHeight)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExA(0, kClassName, "Quorvex", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                  form.get());
    if (window == nullptr) return nullptr;
    form->CreateControls();
    form->Form_Resize();
    return form;
}

Quorvex::~Quorvex() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Quorvex::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Quorvex*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Quorvex*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // A failing handler leaves the window as it was; nothing may unwind
        // through the system's dispatch.
        return 0;
    }
}

LRESULT Quorvex::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
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
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void Quorvex::CreateControls() {
    for (int i = 0; i < 2; ++i) {
        BtnOpen[i].Create({.parent = hwnd_, .id = control::kBtnOpen + i, .caption = "Open...", .font = FormFont(),
                           .dropDownId = control::kBtnOpenDropDown + i});
        BtnCopy[i].Create({.parent = hwnd_, .id = control::kBtnCopy + i, .caption = "Copy", .font = FormFont()});
        BtnSave[i].Create({.parent = hwnd_, .id = control::kBtnSave + i, .caption = "Save...", .font = FormFont()});
        BtnCopy[i].SetPicture(MakeButtonPicture(ButtonPicture::Copy));
        BtnSave[i].SetPicture(MakeButtonPicture(ButtonPicture::Save));
        Textbox[i] = CreateControl(hwnd_, WS_EX_CLIENTEDGE, "EDIT", "",
                                   WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                       ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                                   control::kTextbox + i);
        SendMessageA(Textbox[i], EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
        Listbox[i] = CreateControl(hwnd_, WS_EX_CLIENTEDGE, "LISTBOX", "",
                                   WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, control::kListbox + i);
        Status[i].hWnd = CreateControl(hwnd_, 0, "EDIT", "", WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL,
                                       control::kStatus + i);
        StatusTimer[i].Attach(hwnd_, kStatusTimerId + i, kTimerIntervalMs);
    }
    SyncTimer.Attach(hwnd_, kSyncTimerId, kTimerIntervalMs);

    // Places inside the frames, in twips relative to the frame.
    const auto contain = [this](FramePlus& frame, HWND control, float left, float top, float width, float height) {
        frame.Contain(control, PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height));
    };
    ControlFrame.Create(hwnd_, control::kControlFrame, "Compare these lists", FormFont());
    CompareIt[0].Create({.parent = hwnd_, .id = control::kCompareIt, .caption = "Show Similarities Only",
                         .font = FormFont(), .latching = true});
    CompareIt[1].Create({.parent = hwnd_, .id = control::kCompareIt + 1, .caption = "Show Differences Only",
                         .font = FormFont(), .latching = true});
    btnHelp.Create({.parent = hwnd_, .id = control::kBtnHelp, .caption = "", .accessibleName = "Help",
                    .font = FormFont(),
                    .picture = static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32514), IMAGE_ICON, 16, 16,
                                                             LR_SHARED))});  // the system's question icon
    contain(ControlFrame, CompareIt[0].hWnd(), 180, 360, 2355, 435);
    contain(ControlFrame, CompareIt[1].hWnd(), 2640, 360, 2355, 435);
    contain(ControlFrame, btnHelp.hWnd(), 5100, 360, 435, 435);

    OptionFrame.Create(hwnd_, control::kOptionFrame, "Options", FormFont());
    OptSync = CreateControl(hwnd_, 0, "BUTTON", "Sync scrolling", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                            control::kOptSync);
    OptSort = CreateControl(hwnd_, 0, "BUTTON", "Sort results", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                            control::kOptSort);
    OptCaseSensitive = CreateControl(hwnd_, 0, "BUTTON", "Case sensitive", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                     control::kOptCaseSensitive);
    SendMessageA(OptSync, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(OptSort, BM_SETCHECK, BST_CHECKED, 0);
    contain(OptionFrame, OptSync, 180, 240, 1515, 255);
    contain(OptionFrame, OptSort, 180, 480, 1515, 255);
    contain(OptionFrame, OptCaseSensitive, 180, 720, 1515, 255);
}

void Quorvex::OnCommand(int id, int code, HWND control) {
    // A disabled button never reacts, even to a click sent as a message.
    if (control != nullptr && !IsWindowEnabled(control)) return;
    if (code != BN_CLICKED && code != EN_CHANGE) return;
    for (int i = 0; i < 2; ++i) {
        if (code == EN_CHANGE && id == control::kTextbox + i) Textbox_Change(i);
        if (code != BN_CLICKED) continue;
        if (id == control::kCompareIt + i) CompareIt_Click(i);
        if (id == control::kBtnOpen + i) BtnOpen_Click(i);
        if (id == control::kBtnCopy + i) BtnCopy_Click(i);
        if (id == control::kBtnSave + i) BtnSave_Click(i);
        if (id == control::kBtnOpenDropDown + i) {
            const std::string key = BtnOpen[i].ShowDropDown();
            if (!key.empty()) BtnOpen_DropDown(i, key);
        }
    }
}

void Quorvex::OnTimer(UINT_PTR id) {
    for (int i = 0; i < 2; ++i)
        if (id == StatusTimer[i].Id()) StatusTimer_Timer(i);
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
    if (target == nullptr || !IsChild(hwnd_, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = IsWindowVisible(Textbox[0]) ? Textbox[0] : Listbox[0];
    SetFocus(target);
}

void Quorvex::Show() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void Quorvex::Form_Load() { Initialize(); }

void Quorvex::Initialize() {
    Program().twipsPerPixelX = twipsPerPixelX_;
    Program().twipsPerPixelY = twipsPerPixelY_;
    CentreOnScreen();
    if (GetWindowTextLengthA(Textbox[0]) == 0 && GetWindowTextLengthA(Textbox[1]) == 0) {
        SetWindowTextA(Status[0].hWnd, kStartPrompt);
        SetWindowTextA(Status[1].hWnd, WindowText(Status[0].hWnd).c_str());
    }
    for (int i = 0; i < 2; ++i) {
        BtnOpen[i].AddDropDownItem("File", "Open File...");
        BtnOpen[i].AddDropDownItem("Folder", "Open Folder...");
    }
}

// Halves are taken in twips before the subtraction, then one move.
void Quorvex::CentreOnScreen() {
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    const float formWidth = PixelsToTwips(outer.right - outer.left, twipsPerPixelX_);
    const float formHeight = PixelsToTwips(outer.bottom - outer.top, twipsPerPixelY_);
    const float screenWidth = PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), twipsPerPixelX_);
    const float screenHeight = PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), twipsPerPixelY_);
    SetWindowPos(hwnd_, nullptr, PixelsX(screenWidth / 2 - formWidth / 2), PixelsY(screenHeight / 2 - formHeight / 2),
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Quorvex::PixelsX(float twips) const { return TwipsToPixels(twips, twipsPerPixelX_); }
int Quorvex::PixelsY(float twips) const { return TwipsToPixels(twips, twipsPerPixelY_); }

}  // namespace quorvex
