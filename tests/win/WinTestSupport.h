// Driving real windows from the tests: pumping messages until something holds,
// reading controls, and answering message boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace quorvex::test {

// Processes this thread's messages until `condition` holds (true) or the time
// runs out (false).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
void PumpFor(DWORD milliseconds);

std::string TextOf(HWND window);
// A visible top-level window of `process` with this class (and this title,
// unless it is null, and a child with this id, unless it is 0); null when
// there is none.
HWND FindTopWindow(DWORD process, const char* className, const char* title = nullptr, int childId = 0);
std::vector<std::string> ListItems(HWND listbox);
bool IsPressed(HWND button);

// Presses `key` with the `held` keys down, as the keyboard does, and lets
// this thread take the messages.
void PressKey(WORD key, std::initializer_list<WORD> held = {});

// Types text into a text box as key presses ("\r\n" as one Enter).
void Type(HWND edit, const std::string& text);
// Replaces the whole text as a paste does (the box reports the change).
void Paste(HWND edit, const std::string& text);

// Watches this thread for the next popup menu, reads its captions and then
// chooses the entry at `choose` (counted from 0) or, when it is negative,
// dismisses the menu. Works while the thread is inside the menu's loop.
class MenuAnswerer {
public:
    explicit MenuAnswerer(int choose);
    ~MenuAnswerer();

    bool Appeared() const { return appeared_; }
    const std::vector<std::string>& Captions() const { return captions_; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    static MenuAnswerer* active_;

    int choose_;
    UINT_PTR timer_ = 0;
    bool appeared_ = false;
    std::vector<std::string> captions_;
};

// One dialog to answer: a message box (found by its title and message) or,
// when `fileName` is set, a file dialog whose file-name box gets that name.
struct DialogStep {
    std::string title;
    int button;
    std::string fileName = {};
};

// Answers dialog boxes of this process in turn, each step once its dialog
// appears and the one before has gone; runs on its own thread while the test
// thread is held in the dialogs' modal loops. A dialog that comes after the
// last step is closed and reported, so that a test never hangs on it.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::vector<DialogStep> steps);
    DialogAnswerer(std::string title, int button) : DialogAnswerer(std::vector<DialogStep>{{std::move(title), button}}) {}
    ~DialogAnswerer();

    // Waits until every step was answered; false when a dialog did not
    // appear in time.
    bool Answered(DWORD timeoutMs = 20000);
    // The message of the step's box, and whether it had a button.
    std::string Text(std::size_t step = 0) const { return seen_[step].text; }
    bool HadButton(int id, std::size_t step = 0) const;
    // The message of a dialog that no step expected, or empty.
    std::string Unexpected() const;

private:
    struct Seen {
        std::string text;
        std::vector<int> buttons;
    };
    void Run();

    std::vector<DialogStep> steps_;
    std::vector<Seen> seen_;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> answered_{0};
    std::atomic<bool> unexpected_{false};
    std::string unexpectedText_;
    std::thread thread_;
};

// A fresh folder under the system's temporary folder, removed with all its
// contents (links are removed, not followed) at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes a file (creating the folders on the way); returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    std::string MakeFolder(const std::string& relative) const;
    // Makes `relative` a link to the folder `target` (relative to the link's
    // folder); false when this system cannot make one here.
    bool MakeFolderLink(const std::string& relative, const std::string& target) const;

private:
    std::string path_;
    mutable std::vector<std::string> links_;
};

}  // namespace quorvex::test
