// Driving real windows from the tests: pumping messages through the product's
// own dispatch until something holds, keys, and answering menus and dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"

#include "platform/win32/WindowText.h"

namespace quorvex::test {

// Processes this thread's messages until `condition` holds or time runs out.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
void PumpFor(DWORD milliseconds);

inline std::string TextOf(HWND window) { return WindowText(window); }
std::vector<std::string> ListItems(HWND listbox);
inline bool IsPressed(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A file beside the test programs (the product, the help folder).
std::string BesideTests(const std::string& name);
// The children of `parent`, or this thread's top-level windows.
std::vector<HWND> WindowsOf(HWND parent);
bool IsOfClass(HWND window, const char* className);
// A program as users receive it: from the product's build folder where the
// tests were built to run it, otherwise the one beside the tests.
std::string Product(const std::string& name);

// Starts a program; its process, or none when it could not be started.
using UniqueProcess = UniqueHandle<NullInvalid<HANDLE, CloseKernelHandle>>;
UniqueProcess StartProgram(std::string commandLine);

// Presses `key` with the `held` keys down, as the keyboard does.
void PressKey(WORD key, std::initializer_list<WORD> held = {});
// Replaces the whole text as a paste does (the box reports the change).
void Paste(HWND edit, const std::string& text);

// A message box found by its title; a file dialog when `fileName` is set; with
// no title, a popup menu whose entry `button` is chosen (negative: none); or
// an action, done when it returns true.
struct Step {
    std::string title;
    int button;
    std::string fileName = {};
    std::function<bool()> action = {};
};

// Answers this thread's dialogs and menus in turn from a timer that ticks in
// their modal loops; a dialog no step expects is closed and reported.
class Answerer {
public:
    explicit Answerer(std::vector<Step> steps);
    ~Answerer();
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

    // Waits until every step was answered.
    bool Answered(DWORD timeoutMs = 10000);
    // A box's message, or a menu's captions one a line; whether it had Help.
    const std::string& Text(std::size_t step = 0) const { return seen_[step].text; }
    bool HadHelp(std::size_t step = 0) const { return seen_[step].help; }
    // The message of a dialog that no step expected, or empty.
    const std::string& Unexpected() const { return unexpected_; }

private:
    struct Seen {
        std::string text;
        bool help = false;
    };
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    bool AnswerMenu(Seen& seen, int choice);

    static Answerer* active_;
    std::vector<Step> steps_;
    std::vector<Seen> seen_;
    std::size_t next_ = 0;
    std::string unexpected_;
    UINT_PTR timer_;
};

// Windows created while it lives are the common controls 6 ones of the
// product's manifest, as the program shows them; the tests themselves run
// without it (common controls 5, as on Windows 2000 and Me).
class ProductControls {
public:
    ProductControls();
    ~ProductControls();
    ProductControls(const ProductControls&) = delete;
    ProductControls& operator=(const ProductControls&) = delete;

private:
    HANDLE context_;
    ULONG_PTR cookie_ = 0;
};

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE point at empty scratch keys while
// the sandbox lives.
class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;
};

// A fresh temporary folder, removed with its contents (links not followed).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes a file, making the folders on the way; returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    std::string MakeFolder(const std::string& relative) const;
    // Makes `relative` a link to the folder `target` (relative to the link's
    // folder); false when this system cannot make one here.
    bool MakeFolderLink(const std::string& relative, const std::string& target) const;
    // Makes `relative` a folder on a 16 KB tmpfs of its own; false if none mounts.
    bool MakeTinyDisk(const std::string& relative) const;
    // Runs a command of the Unix system in this folder and waits (10 s at
    // most) until `done` holds.
    bool RunCommand(const std::string& command, const std::function<bool()>& done) const;

private:
    std::string path_;
    mutable std::vector<std::string> links_;
    mutable std::vector<std::string> disks_;
};

}  // namespace quorvex::test
