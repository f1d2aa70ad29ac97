// Driving real windows from the tests: pumping messages until something holds,
// reading controls, and answering message boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
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
// unless it is null); null when there is none.
HWND FindTopWindow(DWORD process, const char* className, const char* title = nullptr);
std::vector<std::string> ListItems(HWND listbox);
bool IsPressed(HWND button);

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

// Watches for a dialog box of this process with the given title and presses
// a button of it; runs on its own thread while the test thread is held in
// the modal loop.
class DialogAnswerer {
public:
    DialogAnswerer(std::string title, int buttonId);
    ~DialogAnswerer();

    // Waits for the answer; false when no such dialog appeared in time.
    bool Answered(DWORD timeoutMs = 10000);
    std::string Text() const { return text_; }
    bool HadButton(int id) const;

private:
    void Run();

    std::string title_;
    int buttonId_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    std::string text_;
    std::vector<int> buttons_;
    std::thread thread_;
};

}  // namespace quorvex::test
