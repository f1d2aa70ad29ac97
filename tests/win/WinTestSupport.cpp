#include "WinTestSupport.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "platform/Window.h"
#include "platform/WindowText.h"

namespace quorvex::test {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;  // a closed form's; the test goes on
            DispatchFormMessage(message);
        }
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10), QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) { PumpUntil([] { return false; }, milliseconds); }

std::string TextOf(HWND window) { return WindowText(window); }

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

void PressKey(WORD key, std::initializer_list<WORD> held) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const WORD down : held) add(down, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (auto up = held.end(); up != held.begin();) add(*--up, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Wine's input reaches the queue a moment later.
    PumpFor(50);
}

void Type(HWND edit, const std::string& text) {
    SetFocus(edit);
    const int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);  // at the end, as after a click there
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
    int childId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, static_cast<int>(std::size(className)));
    if (process == search->process && std::string(className) == search->className && IsWindowVisible(window) &&
        (search->title == nullptr || TextOf(window) == search->title) &&
        (search->childId == 0 || GetDlgItem(window, search->childId) != nullptr)) {
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

HWND FindTopWindow(DWORD process, const char* className, const char* title, int childId) {
    Search search{process, className, title, childId, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogAnswerer::DialogAnswerer(std::vector<DialogStep> steps)
    : steps_(std::move(steps)), seen_(steps_.size()), thread_([this] { Run(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    thread_.join();
}

namespace {

constexpr int kFileNameBox = 0x47c;
constexpr int kMessageText = 0xFFFF;

BOOL CALLBACK FindEdit(HWND child, LPARAM lParam) {
    char className[64] = {};
    GetClassNameA(child, className, static_cast<int>(std::size(className)));
    if (_stricmp(className, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = child;
    return FALSE;
}

}  // namespace

void DialogAnswerer::Run() {
    HWND previous = nullptr;
    std::size_t i = 0;
    while (!stop_) {
        if (previous != nullptr && (!IsWindow(previous) || !IsWindowVisible(previous))) previous = nullptr;
        if (i == steps_.size()) {
            // A dialog still being made (no title yet) or gone since is no stray.
            const HWND stray = FindTopWindow(GetCurrentProcessId(), "#32770");
            if (stray != nullptr && stray != previous && !TextOf(stray).empty() && (Sleep(50), IsWindowVisible(stray))) {
                unexpectedText_ = TextOf(GetDlgItem(stray, kMessageText)) + " (" + TextOf(stray) + ")";
                unexpected_ = true;
                const int button = GetDlgItem(stray, IDCANCEL) ? IDCANCEL : GetDlgItem(stray, IDNO) ? IDNO : IDOK;
                PostMessageA(stray, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(stray, button)));
                previous = stray;
            }
            Sleep(20);
            continue;
        }
        const DialogStep& step = steps_[i];
        const HWND dialog = FindTopWindow(GetCurrentProcessId(), "#32770", step.title.c_str(),
                                          step.fileName.empty() ? kMessageText : kFileNameBox);
        if (dialog == nullptr || dialog == previous) {
            Sleep(20);
            continue;
        }
        seen_[i].text = TextOf(GetDlgItem(dialog, kMessageText));
        EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&seen_[i].buttons));
        if (!step.fileName.empty()) {
            HWND edit = nullptr;
            EnumChildWindows(GetDlgItem(dialog, kFileNameBox), FindEdit, reinterpret_cast<LPARAM>(&edit));
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.fileName.c_str()));
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, step.button)));
        previous = dialog;
        answered_ = ++i;
    }
}

std::string DialogAnswerer::Unexpected() const { return unexpected_ ? unexpectedText_ : std::string(); }

bool DialogAnswerer::Answered(DWORD timeoutMs) {
    return PumpUntil([this] { return answered_.load() == steps_.size(); }, timeoutMs);
}

bool DialogAnswerer::HadButton(int id, std::size_t step) const {
    const auto& buttons = seen_[step].buttons;
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry{};
    if (UniqueFind find{FindFirstFileA((folder + "\\*").c_str(), &entry)}) {
        do {
            const std::string name = entry.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            const DWORD attributes = entry.dwFileAttributes;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(path);
            else if (!DeleteFileA(path.c_str()))
                RemoveDirectoryA(path.c_str());
        } while (FindNextFileA(find.get(), &entry));
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    path_ = std::string(base) + "quorvex-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
}

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs a command of the Unix system under Wine, in `folder`, and waits (up to
// 10 s) until `done` holds: Wine's handle of a Unix process does not tell
// when it ends.
bool RunUnixCommand(std::string command, const std::string& folder, const std::function<bool()>& done) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 500 && !done(); ++i) Sleep(20);
    return done();
}

}  // namespace

TempFolder::~TempFolder() {
    // The common file dialogs make the folder of the chosen file current, and
    // a current folder cannot be removed.
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    SetCurrentDirectoryA(base);
    for (const auto& link : links_) {
        const std::string quoted = "/bin/rm -f \"" + link.substr(link.find_last_of('\\') + 1) + "\"";
        RunUnixCommand(quoted, link.substr(0, link.find_last_of('\\')), [&] { return !Exists(link); });
    }
    RemoveTree(path_);
}

std::string TempFolder::MakeFolder(const std::string& relative) const {
    std::string path = path_;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('\\', start), relative.size());
        path += '\\';
        path.append(relative, start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

std::string TempFolder::Write(const std::string& relative, const std::string& bytes) const {
    const std::size_t slash = relative.find_last_of('\\');
    if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
    const std::string path = path_ + "\\" + relative;
    WriteFileReplacing(path, bytes);
    return path;
}

// Wine makes no link with the Windows call, but runs the system's ln.
bool TempFolder::MakeFolderLink(const std::string& relative, const std::string& target) const {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr) return false;
    const std::size_t slash = relative.find_last_of('\\');
    std::string folder = path_;
    if (slash != std::string::npos) folder.append("\\").append(relative, 0, slash);
    std::string unixTarget = target;
    std::replace(unixTarget.begin(), unixTarget.end(), '\\', '/');
    const std::string link = path_ + "\\" + relative;
    const std::string command =
        "/bin/ln -s \"" + unixTarget + "\" \"" + relative.substr(slash == std::string::npos ? 0 : slash + 1) + "\"";
    links_.push_back(link);
    return RunUnixCommand(command, folder, [&] { return Exists(link); });
}

}  // namespace quorvex::test
