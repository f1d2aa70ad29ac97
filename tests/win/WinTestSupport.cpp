#include "WinTestSupport.h"

#include <algorithm>

namespace quorvex::test {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;  // a closed form's; the test goes on
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10), QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) { PumpUntil([] { return false; }, milliseconds); }

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<std::string> ListItems(HWND listbox) {
    std::vector<std::string> items;
    const auto count = SendMessageA(listbox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(listbox, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        item.resize(static_cast<std::size_t>(SendMessageA(listbox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

bool IsPressed(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Type(HWND edit, const std::string& text) {
    SetFocus(edit);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') continue;
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(text[i]), 1);
    }
}

void Paste(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

MenuAnswerer* MenuAnswerer::active_ = nullptr;

MenuAnswerer::MenuAnswerer(int choose) : choose_(choose) {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, 30, OnTick);
}

MenuAnswerer::~MenuAnswerer() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
}

void CALLBACK MenuAnswerer::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    MenuAnswerer* self = active_;
    if (self == nullptr || self->appeared_) return;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) return;
    self->appeared_ = true;
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), caption, static_cast<int>(std::size(caption)), MF_BYPOSITION);
        self->captions_.emplace_back(caption);
    }
    if (self->choose_ < 0) {
        PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    for (int i = 0; i <= self->choose_; ++i) PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}

namespace {

struct Search {
    DWORD process;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, static_cast<int>(std::size(className)));
    if (process == search->process && std::string(className) == search->className && IsWindowVisible(window) &&
        (search->title == nullptr || TextOf(window) == search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM lParam) {
    char className[64] = {};
    GetClassNameA(child, className, static_cast<int>(std::size(className)));
    if (std::string(className) == "Button") reinterpret_cast<std::vector<int>*>(lParam)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

}  // namespace

HWND FindTopWindow(DWORD process, const char* className, const char* title) {
    Search search{process, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogAnswerer::DialogAnswerer(std::string title, int buttonId)
    : title_(std::move(title)), buttonId_(buttonId), thread_([this] { Run(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    thread_.join();
}

void DialogAnswerer::Run() {
    while (!stop_) {
        const HWND dialog = FindTopWindow(GetCurrentProcessId(), "#32770", title_.c_str());
        if (dialog != nullptr) {
            text_ = TextOf(GetDlgItem(dialog, 0xFFFF));  // the message's static control
            EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&buttons_));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId_)));
            answered_ = true;
            return;
        }
        Sleep(20);
    }
}

bool DialogAnswerer::Answered(DWORD timeoutMs) {
    return PumpUntil([this] { return answered_.load(); }, timeoutMs);
}

bool DialogAnswerer::HadButton(int id) const {
    return std::find(buttons_.begin(), buttons_.end(), id) != buttons_.end();
}

}  // namespace quorvex::test
