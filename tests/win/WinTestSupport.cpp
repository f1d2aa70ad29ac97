// Activation contexts are Windows XP's; the tests may use them.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501

#include "WinTestSupport.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "window/win32/Form.h"

namespace quorvex::test {
namespace {

constexpr int kFileNameBox = 0x47c;                         // of the common file dialogs
constexpr int kMessageText = 0xFFFF;                        // of a message box
const char kScratch[] = "Software\\Orlenti\\QuorvexTests";  // the registry sandbox's

BOOL CALLBACK Collect(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(HWND parent) {
    std::vector<HWND> found;
    if (parent != nullptr)
        EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
    else
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsOfClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, static_cast<int>(std::size(name)));
    return _stricmp(name, className) == 0;
}

namespace {

// The dialog of this thread that takes input now, with this title and a child
// with this id when given.
HWND ActiveDialog(const char* title = nullptr, int childId = 0) {
    for (HWND window : WindowsOf(nullptr))
        if (IsOfClass(window, "#32770") && IsWindowVisible(window) && IsWindowEnabled(window) &&
            (title == nullptr || TextOf(window) == title) && (childId == 0 || GetDlgItem(window, childId)))
            return window;
    return nullptr;
}

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

// Read-only and hidden files go too; links were removed before.
void RemoveTree(const std::string& folder) {
    const std::string from = folder + '\0';  // the list ends with a second zero
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&remove);
}

ULONGLONG DiskBytes(const std::string& folder) {
    ULARGE_INTEGER total{};
    return GetDiskFreeSpaceExA((folder + "\\").c_str(), nullptr, &total, nullptr) ? total.QuadPart : 0;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT) DispatchFormMessage(message);  // a closed form's quit: the test goes on
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10), QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

std::vector<std::string> ListItems(HWND listbox) {
    std::vector<std::string> items;
    for (LRESULT i = 0, count = SendMessageA(listbox, LB_GETCOUNT, 0, 0); i < count; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(listbox, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        item.resize(
            static_cast<std::size_t>(SendMessageA(listbox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

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
    PumpFor(50);  // Wine's input reaches the queue a moment later
}

void Paste(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

Answerer* Answerer::active_ = nullptr;

Answerer::Answerer(std::vector<Step> steps)
    : steps_(std::move(steps)), seen_(steps_.size()), timer_(SetTimer(nullptr, 0, 30, OnTick)) {
    active_ = this;
}

Answerer::~Answerer() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
}

// Not again while a step is being answered: an action may pump messages.
void CALLBACK Answerer::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    static bool busy = false;
    if (active_ == nullptr || busy) return;
    busy = true;
    active_->Tick();
    busy = false;
}

bool Answerer::AnswerMenu(Seen& seen, int choice) {
    const HWND window = FindWindowA("#32768", nullptr);
    if (window == nullptr || !IsWindowVisible(window)) return false;
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), caption, static_cast<int>(std::size(caption)), MF_BYPOSITION);
        seen.text += std::string(i ? "\n" : "") + caption;
    }
    for (int i = 0; i <= choice; ++i) PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(window, WM_KEYDOWN, choice < 0 ? VK_ESCAPE : VK_RETURN, 0);
    return true;
}

// The click is posted: it is taken before the next tick, so a dialog that
// is still there then is a new one.
void Answerer::Tick() {
    const auto click = [](HWND dialog, int button) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    };
    if (next_ < steps_.size()) {
        const Step& step = steps_[next_];
        if (step.action) {
            if (step.action()) ++next_;
            return;
        }
        if (step.title.empty()) {
            if (AnswerMenu(seen_[next_], step.button)) ++next_;
            return;
        }
        if (const HWND dialog = ActiveDialog(step.title.c_str(), step.fileName.empty() ? kMessageText : kFileNameBox)) {
            Seen& seen = seen_[next_++];
            seen.text = TextOf(GetDlgItem(dialog, kMessageText));
            seen.help = GetDlgItem(dialog, IDHELP) != nullptr;
            if (!step.fileName.empty())
                for (HWND child : WindowsOf(GetDlgItem(dialog, kFileNameBox)))
                    if (IsOfClass(child, "Edit"))
                        SendMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.fileName.c_str()));
            click(dialog, step.button);
            return;
        }
    }
    if (const HWND stray = ActiveDialog()) {
        unexpected_ = TextOf(GetDlgItem(stray, kMessageText)) + " (" + TextOf(stray) + ")";
        click(stray, GetDlgItem(stray, IDCANCEL) ? IDCANCEL : GetDlgItem(stray, IDNO) ? IDNO : IDOK);
    }
}

bool Answerer::Answered(DWORD timeoutMs) {
    return PumpUntil([this] { return next_ == steps_.size(); }, timeoutMs);
}

std::string BesideTests(const std::string& name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + name;
}

std::string Product(const std::string& name) {
#ifdef QUORVEX_PRODUCT_FOLDER
    return QUORVEX_PRODUCT_FOLDER + name;
#else
    return BesideTests(name);
#endif
}

UniqueProcess StartProgram(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return UniqueProcess();
    CloseHandle(process.hThread);
    return UniqueProcess(process.hProcess);
}

ProductControls::ProductControls() {
    const std::string product = BesideTests("Quorvex.exe");
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = product.c_str();
    context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    context_ = CreateActCtxA(&context);
    if (context_ != INVALID_HANDLE_VALUE) ActivateActCtx(context_, &cookie_);
}

ProductControls::~ProductControls() {
    if (context_ == INVALID_HANDLE_VALUE) return;
    DeactivateActCtx(0, cookie_);
    ReleaseActCtx(context_);
}

RegistrySandbox::RegistrySandbox() {
    for (const auto& [root, name] : {std::pair{HKEY_CURRENT_USER, "\\cu"}, std::pair{HKEY_LOCAL_MACHINE, "\\lm"}}) {
        HKEY scratch = nullptr;
        RegCreateKeyA(HKEY_CURRENT_USER, (std::string(kScratch) + name).c_str(), &scratch);
        RegOverridePredefKey(root, scratch);
        RegCloseKey(scratch);  // the override keeps its own handle
    }
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    SHDeleteKeyA(HKEY_CURRENT_USER, kScratch);
}

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    // Wine gives out the same process ids again, and a killed test leaves its folder.
    do
        path_ = std::string(base) + "quorvex-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
    while (!CreateDirectoryA(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
}

TempFolder::~TempFolder() {
    // The file dialogs make the chosen file's folder current, and a current
    // folder cannot be removed.
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    SetCurrentDirectoryA(base);
    for (const auto& disk : disks_)
        RunUnixCommand("/bin/umount -l \"" + disk + "\"", path_,
                       [&] { return DiskBytes(path_ + "\\" + disk) > 65536; });
    for (const auto& link : links_) {
        const std::size_t slash = link.find_last_of('\\');
        RunUnixCommand("/bin/rm -f \"" + link.substr(slash + 1) + "\"", link.substr(0, slash),
                       [&] { return !IsFolder(link); });
    }
    RemoveTree(path_);
}

std::string TempFolder::MakeFolder(const std::string& relative) const {
    SHCreateDirectoryExA(nullptr, (path_ + "\\" + relative).c_str(), nullptr);
    return path_ + "\\" + relative;
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
    const std::string link = path_ + "\\" + relative;
    const std::size_t slash = link.find_last_of('\\');
    std::string unixTarget = target;
    std::replace(unixTarget.begin(), unixTarget.end(), '\\', '/');
    links_.push_back(link);
    return RunUnixCommand("/bin/ln -s \"" + unixTarget + "\" \"" + link.substr(slash + 1) + "\"", link.substr(0, slash),
                          [&] { return IsFolder(link); });
}

bool TempFolder::RunCommand(const std::string& command, const std::function<bool()>& done) const {
    return RunUnixCommand(command, path_, done);
}

bool TempFolder::MakeTinyDisk(const std::string& relative) const {
    const std::string folder = MakeFolder(relative);
    disks_.push_back(relative);  // a mount that shows too late still goes
    return RunUnixCommand("/bin/mount -t tmpfs -o size=16k tmpfs \"" + relative + "\"", path_,
                          [&] { return DiskBytes(folder) <= 65536; });
}

}  // namespace quorvex::test
