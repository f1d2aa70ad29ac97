// Times the list sources under Wine: the folder walk and the whole AddListing
// call on a tree, the reading of a list file and the whole OpenFile call; and
// a comparison of 100,000 items a pane through the form, result lists and all.
// Run by scripts/bench-sources.sh, which makes the inputs and times `find` on
// the same tree. Usage: sources_bench <folder> <list file>
#include <windows.h>

#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "CountedAllocations.h"
#include "app/win32/ControlIds.h"
#include "app/win32/Quorvex.h"
#include "compare/CompareEngine.h"
#include "platform/win32/FileSystem.h"
#include "sources/ListText.h"
#include "sources/win32/FolderListing.h"
#include "sources/win32/HandedOverList.h"
#include "window/win32/Form.h"

using counted::liveBytes;
using counted::peakBytes;

namespace {

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(Milliseconds(work));
    std::sort(times.begin(), times.end());
    std::printf("%-58s median %9.1f ms  (min %.1f, max %.1f, %d runs)\n", what, times[times.size() / 2], times.front(),
                times.back(), runs);
    std::fflush(stdout);
}

// The system's enumeration alone, for reference: every entry of the tree
// found with FindFirstFileA/FindNextFileA and nothing else done.
std::size_t BareWalk(const std::string& folder) {
    std::size_t entries = 0;
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string current = pending.back();
        pending.pop_back();
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((current + "\\*.*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            if (entry.cFileName[0] == '.' &&
                (!entry.cFileName[1] || (entry.cFileName[1] == '.' && !entry.cFileName[2])))
                continue;
            ++entries;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) pending.push_back(current + "\\" + entry.cFileName);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return entries;
}

// The whole drop of 10,000 names onto a pane of 10,000 lines, from the
// posted drop to the pane's new text, half of the names already there.
void DropNames(quorvex::Quorvex& form) {
    std::string text, names;
    for (int i = 0; i < 10000; ++i) {
        text += "Name-" + std::to_string(i) + ".txt\r\n";
        names += "C:\\dropped\\name-" + std::to_string(i + 5000) + ".TXT" + '\0';
    }
    const HWND pane = GetDlgItem(form.hWnd(), quorvex::control::kTextbox);
    for (int run = 0; run < 3; ++run) {
        SetWindowTextA(pane, text.c_str());  // not timed: the pane as it was before the drop
        Report("Drop of 10,000 names onto a pane of 10,000 lines", 1, [&] {
            const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 1);
            auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
            files->pFiles = sizeof(DROPFILES);
            files->pt = {5, 10};
            std::memcpy(files + 1, names.data(), names.size());
            GlobalUnlock(memory);
            SendMessageA(form.hWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        });
    }
    std::printf("  (%d characters in the pane)\n", GetWindowTextLengthA(pane));
}

// Answers the program's file dialogs with `name`, and Yes to its questions
// (the subfolder and large-file ones), as a user at the keyboard would.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::string name)
        : name_(std::move(name)), thread_([this] {
              while (!stop_) {
                  for (const char* title : {"Select a file to compare", "Save List As"})
                      if (HWND dialog = FindWindowA("#32770", title)) Answer(dialog);
                  for (const char* title : {"Compare Folders", "Quorvex"})
                      if (HWND box = FindWindowA("#32770", title))
                          PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
                  Sleep(1);
              }
          }) {}
    ~DialogAnswerer() {
        stop_ = true;
        thread_.join();
    }

private:
    // A named CALLBACK: on 32-bit Windows a lambda converts only to a cdecl
    // pointer.
    static BOOL CALLBACK TypeName(HWND child, LPARAM name) {
        char kind[16] = {};
        GetClassNameA(child, kind, sizeof kind);
        if (lstrcmpiA(kind, "Edit") != 0) return TRUE;
        SendMessageA(child, WM_SETTEXT, 0, name);
        return FALSE;
    }

    void Answer(HWND dialog) {
        EnumChildWindows(dialog, TypeName, reinterpret_cast<LPARAM>(name_.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Sleep(50);
    }

    std::string name_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void Click(HWND form, int id) {
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
}

std::string Text(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A million items a pane as a user gets them: each list opened through the
// Open dialog, then the status line, both compare modes sorted and not, and
// Copy and Save of a result, each timed from the click.
int MillionItems(const std::string& left, const std::string& right, const std::string& saved) {
    using namespace quorvex::control;
    auto form = quorvex::Quorvex::Create(GetModuleHandleA(nullptr));
    if (!form) return 1;
    form->Show();
    const HWND window = form->hWnd();
    const auto pumpUntil = [](const std::function<bool()>& done) {
        for (MSG message; !done();) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) quorvex::DispatchFormMessage(message);
            Sleep(1);
        }
    };
    for (int pane = 0; pane < 2; ++pane) {
        const HWND status = GetDlgItem(window, kStatus + pane);
        const std::string before = Text(status);
        {
            DialogAnswerer answer(pane == 0 ? left : right);
            Report(pane == 0 ? "Open, left pane: click to text" : "Open, right pane: click to text", 1,
                   [&] { Click(window, kBtnOpen + pane); });
        }
        Report("  then its status line", 1, [&] { pumpUntil([&] { return Text(status) != before; }); });
        std::printf("  (%s)\n", Text(status).c_str());
    }
    const std::string texts[2] = {Text(GetDlgItem(window, kTextbox)), Text(GetDlgItem(window, kTextbox + 1))};
    for (const bool sorted : {true, false})
        Report(sorted ? "The engine alone, differences, sorted" : "The engine alone, differences, unsorted", 3, [&] {
            quorvex::CompareLists(texts[0], texts[1], {.mode = quorvex::CompareMode::Differences, .sort = sorted});
        });
    const HWND sort = GetDlgItem(window, kOptSort);
    for (int sorted = 1; sorted >= 0; --sorted) {
        if ((SendMessageA(sort, BM_GETCHECK, 0, 0) == BST_CHECKED) != (sorted == 1)) SendMessageA(sort, BM_CLICK, 0, 0);
        for (int mode : {1, 0}) {
            char what[80];
            std::snprintf(what, sizeof what, "Show %s Only, %s: click to result", mode ? "Differences" : "Similarities",
                          sorted ? "sorted" : "unsorted");
            Report(what, 1, [&] {
                Click(window, kCompareIt + mode);
                UpdateWindow(window);
            });
            const HWND list = GetDlgItem(window, kListbox);
            const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
            char last[256] = {};
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(last));
            std::printf("  (%s, %s; left list %d items, the last \"%s\")\n", Text(GetDlgItem(window, kStatus)).c_str(),
                        Text(GetDlgItem(window, kStatus + 1)).c_str(), count, last);
            Click(window, kCompareIt + mode);  // back to the texts
        }
    }
    Click(window, kCompareIt + 1);
    Report("Copy of the left result: click to clipboard", 1, [&] { Click(window, kBtnCopy); });
    {
        DialogAnswerer answer(saved);
        Report("Save of the left result: click to file, dialog answered", 1, [&] { Click(window, kBtnSave); });
    }
    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExA(saved.c_str(), GetFileExInfoStandard, &file);
    std::printf("  (%lu bytes saved)\n", file.nFileSizeLow);
    return 0;
}

// A large list opened with the large-file question answered Yes: the time,
// the most the program's own code held against the file's size, the whole
// process's peak, and how soon the window paints and answers again.
int LargeList(const std::string& list) {
    using namespace quorvex::control;
    auto form = quorvex::Quorvex::Create(GetModuleHandleA(nullptr));
    if (!form) return 1;
    form->Show();
    const HWND window = form->hWnd();
    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExA(list.c_str(), GetFileExInfoStandard, &file);
    const std::size_t before = liveBytes;
    peakBytes = before;
    {
        DialogAnswerer yes("");
        Report("OpenFile of the large list, the question answered Yes", 1, [&] { form->OpenFile(list, 0); });
    }
    std::printf("  (%d characters in the pane; the program's own peak %.2f times the file's %lu bytes)\n",
                GetWindowTextLengthA(GetDlgItem(window, kTextbox)),
                static_cast<double>(peakBytes - before) / file.nFileSizeLow, file.nFileSizeLow);
    Report("Then a repaint of the whole window", 1, [&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    Report("Then a message answered", 1, [&] {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
    });
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("  (the whole process under Wine: peak %.0f MB committed, %.0f MB working set)\n",
                memory.PeakPagefileUsage / 1048576.0, memory.PeakWorkingSetSize / 1048576.0);
    return 0;
}

// A list of 10,000 handed-over names, every tenth repeating an earlier one
// in another letter case: read, checked for repeats and deleted, alone and
// as the start-up that reads it.
int HandedOverNames(const std::string& folder) {
    std::string list = "[Files]\r\n";
    for (int i = 1; i <= 10000; ++i) {
        const std::string name = i % 10 ? "C:\\Lists\\Name" : "c:\\LISTS\\NAME";
        list += "File" + std::to_string(i) + "=" + name + std::to_string(i % 10 ? i : i - 1) + ".txt\r\n";
    }
    const std::string path = folder + "\\handed-over.ini";
    std::size_t names = 0;
    Report("EnumFileList: 10,000 handed-over names", 5, [&] {
        quorvex::WriteFileReplacing(path, list);
        names = quorvex::ReadHandedOverList(path).size();
    });
    std::printf("  (%zu names kept)\n", names);
    Report("Start-up with those names on the command line", 5, [&] {
        quorvex::WriteFileReplacing(path, list);
        auto form = quorvex::Quorvex::Create(GetModuleHandleA(nullptr), "/f" + path);
        if (form) form->Show();
    });
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--handed-over") return HandedOverNames(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--large") return LargeList(argv[2]);
    if (argc == 5 && std::string(argv[1]) == "--million") return MillionItems(argv[2], argv[3], argv[4]);
    if (argc == 2 && std::string(argv[1]) == "--drop") {  // the drop alone, quickly
        auto form = quorvex::Quorvex::Create(GetModuleHandleA(nullptr));
        if (!form) return 1;
        form->Show();
        DropNames(*form);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: sources_bench <folder> <list file>\n");
        return 2;
    }
    const std::string folder = argv[1], list = argv[2];
    std::size_t entries = 0, lines = 0;
    Report("FindFirstFileA/FindNextFileA alone over the same tree", 5, [&] { entries = BareWalk(folder); });
    std::printf("  (%zu entries)\n", entries);
    Report("AddListing: the walk, before the text box gets the text", 5,
           [&] { lines = quorvex::ListFolderTree(folder, "", [] { return true; }).size(); });
    std::printf("  (%zu bytes of listing)\n", lines);

    auto form = quorvex::Quorvex::Create(GetModuleHandleA(nullptr));
    if (!form) {
        std::fprintf(stderr, "no window (no display?)\n");
        return 1;
    }
    form->Show();
    DialogAnswerer yes("");
    Report("AddListing: the whole call", 3, [&] { form->AddListing(folder, 0, ""); });
    Report("OpenFile: reading and line ends, before the text box", 5, [&] {
        auto file = quorvex::ReadWholeFile(list, quorvex::kMaxFileBytes, quorvex::kLargeFileBytes);
        quorvex::NormaliseLineEnds(file.bytes);
    });
    Report("OpenFile: the whole call", 1, [&] { form->OpenFile(list, 1); });

    std::string left, right;
    for (int i = 0; i < 100000; ++i) {
        left += "file" + std::to_string(i) + ".txt\r\n";
        right += "file" + std::to_string(i + 50000) + ".txt\r\n";
    }
    const auto pane = [&](int id) { return GetDlgItem(form->hWnd(), id); };
    SetWindowTextA(pane(quorvex::control::kTextbox), left.c_str());
    SetWindowTextA(pane(quorvex::control::kTextbox + 1), right.c_str());
    Report("DoCompare: 100,000 items a pane, half of them shared", 3, [&] { form->DoCompare(); });
    char counts[2][64] = {};
    GetWindowTextA(pane(quorvex::control::kStatus), counts[0], 64);
    GetWindowTextA(pane(quorvex::control::kStatus + 1), counts[1], 64);
    std::printf("  (%s left, %s right)\n", counts[0], counts[1]);
    DropNames(*form);
    return 0;
}
