// Faults from outside the program: saves the system refuses, files that are
// no lists, and many quick rounds of work.
#include <string>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "sources/win32/FolderListing.h"

namespace quorvex::test {
namespace {

// Wine answers 0 to GetProcessHandleCount and GetGuiResources, so objects are
// also counted by asking after every value below 64K: kernel handles are
// multiples of 4, window handles even, and Wine takes GDI ones by low word.
std::vector<DWORD> ObjectCounts() {
    const HANDLE self = GetCurrentProcess();
    std::vector<DWORD> counts{0, GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS), 0, 0, 0};
    GetProcessHandleCount(self, &counts[0]);
    DWORD flags = 0, owner = 0;  // a window of another process is no object of ours
    for (UINT_PTR value = 4; value < 0x10000; ++value) {
        counts[3] += value % 4 == 0 && GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags);
        counts[4] += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0;
        counts[5] +=
            value % 2 == 0 &&
            ((GetWindowThreadProcessId(reinterpret_cast<HWND>(value), &owner) && owner == GetCurrentProcessId()) ||
             IsMenu(reinterpret_cast<HMENU>(value)));
    }
    return counts;
}

using Faults = MainFormTest;

// No message is defined for a failed save, so nothing may be lost by one:
// the old file keeps every byte and no temporary file stays behind.
TEST_F(Faults, AFailedSaveKeepsTheOldFileWholeAndLeavesNothingBehind) {
    const std::string old(3000, 'o');
    Paste(Textbox(0), "new\r\nlist");
    const auto saveFails = [&](const char* what, const std::string& target) {
        SCOPED_TRACE(what);
        const std::string folderPath = target.substr(0, target.find_last_of('\\'));
        const auto names = [&] { return ListFolderTree(folderPath, "", [] { return false; }); };  // as listed
        const std::string before = names();
        form_->SaveFile(target, std::string(100000, 'n'));
        EXPECT_TRUE(ReadWholeFile(target, kNoLimit, kNoLimit).bytes == old);  // not printed: 100,000 bytes
        EXPECT_EQ(names(), before);
        EXPECT_EQ(TextOf(Textbox(0)), "new\r\nlist");
    };
    const std::string readOnly = folder_.Write("read-only.txt", old);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    saveFails("over a read-only file", readOnly);
    EXPECT_TRUE(GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY);
    const std::string held = folder_.Write("held.txt", old);
    const UniqueFile other(
        CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    saveFails("over a file another program holds open", held);

    if (!folder_.MakeTinyDisk("tiny")) GTEST_SKIP() << "no tmpfs for a full disk";
    const std::string full = folder_.Write("tiny\\full.txt", old);
    saveFails("onto a full disk", full);
}

// A save keeps what the file was, from the window and from quorvex-compare:
// a hidden file stays hidden. A link is replaced, not followed, and no
// backup stays behind.
TEST_F(Faults, ASaveKeepsAHiddenFileHiddenAndReplacesALinkNotItsTarget) {
    const std::string hidden = folder_.Write("hidden.txt", "old"), real = folder_.Write("real.txt", "real");
    const std::string link = folder_.Path() + "\\link.txt";
    ASSERT_TRUE(folder_.RunCommand("/bin/ln -s real.txt link.txt", [&] { return FileLength(link).has_value(); }));
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const auto names = [&] { return ListFolderTree(folder_.Path(), "", [] { return false; }); };
    const std::string before = names();
    form_->SaveFile(hidden, "new");
    form_->SaveFile(link, "new");
    const auto bytes = [](const std::string& path) { return ReadWholeFile(path, kNoLimit, kNoLimit).bytes; };
    EXPECT_EQ(bytes(hidden) + "|" + bytes(link) + "|" + bytes(real), "new|new|real");
    EXPECT_TRUE(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(names(), before);

    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);  // whatever the window's save left
    std::string command = "\"" + BesideTests("quorvex-compare.exe") + "\" --quiet --output-left " + hidden;
    command += " " + real + " " + link;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(bytes(hidden), "real\r\n");
    EXPECT_TRUE(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "quorvex-compare";
}

// A file that tells no length (a device) is read no further than what the
// large-file question guards. Files longer than memory: LimitsTest.cpp.
TEST_F(Faults, AFileThatTellsNoLengthIsReadOnlyAsFarAsTheQuestionGuards) {
    EXPECT_EQ(ReadWholeFile("Z:\\dev\\zero", kMaxFileBytes, 1000).bytes, std::string(1000, '\0'));
}

// Every name the system spells for the save's temporary file is taken (Wine
// spells them qvx1.tmp to qvxffff.tmp, and answers one that is taken when
// all are): the save fails and no file changes. With one name free it takes
// that one.
TEST_F(Faults, ASaveNeverWritesIntoAFileThatWasThere) {
    const std::string target = folder_.Write("crowded\\list.txt", "old"), folder = folder_.Path() + "\\crowded";
    ASSERT_TRUE(folder_.RunCommand(
        "/usr/bin/awk \"BEGIN { for (i = 1; i < 65536; i++) { f = sprintf(\\\"crowded/qvx%x.tmp\\\", i); "
        "printf \\\"%d\\\", i > f; close(f) } }\"",
        [&] { return FileLength(folder + "\\qvxffff.tmp") == 5u; }));
    const auto entries = [&] {
        WIN32_FIND_DATAA found{};
        const UniqueFind find(FindFirstFileA((folder + "\\*").c_str(), &found));
        int count = 0;
        for (bool more = static_cast<bool>(find); more; more = FindNextFileA(find.get(), &found))
            count += found.cFileName[0] != '.';
        return count;
    };
    form_->SaveFile(target, "new");
    EXPECT_EQ(ReadWholeFile(target, kNoLimit, kNoLimit).bytes, "old");
    EXPECT_EQ(entries(), 65536);

    DeleteFileA((folder + "\\qvx1234.tmp").c_str());
    form_->SaveFile(target, "new");
    EXPECT_EQ(ReadWholeFile(target, kNoLimit, kNoLimit).bytes, "new");
    EXPECT_EQ(entries(), 65535);
    for (const char* name : {"qvx1", "qvx1233", "qvx1235", "qvxffff"})
        EXPECT_EQ(ReadWholeFile(folder + "\\" + name + ".tmp", kNoLimit, kNoLimit).bytes,
                  std::to_string(std::stoi(name + 3, nullptr, 16)));
    folder_.RunCommand("/bin/rm -r crowded", [&] { return !IsFolder(folder); });  // the shell's way takes minutes
}

// Quick rounds of work leave the view, the lists and the counts consistent
// and leak neither handles nor window or GDI objects.
TEST_F(Faults, ManyQuickRoundsStayConsistentAndLeakNothing) {
    std::string left, right;
    for (int i = 0; i < 10000; ++i) {
        left += "item" + std::to_string(i) + "\r\n";
        right += "item" + std::to_string(i + 4000) + "\r\n";
    }
    SetWindowTextA(Textbox(0), left.c_str());
    SetWindowTextA(Textbox(1), right.c_str());
    for (int i = 0; i < 40; ++i) ClickCompare(i % 2);
    EXPECT_TRUE(IsPressed(CompareIt(1)) && !IsPressed(CompareIt(0)));
    EXPECT_EQ(Statuses(), (Items{"4000 items", "4000 items"}));
    EXPECT_EQ(Results().first.size(), 4000u);
    ClickCompare(1);

    // Wine's text boxes take 12 ms a text while seen, so the rounds run
    // hidden; the first hiding and showing make objects the window keeps.
    ShowWindow(Form(), SW_HIDE);
    ShowWindow(Form(), SW_SHOW);
    PumpFor(100);
    const auto before = ObjectCounts();
    ShowWindow(Form(), SW_HIDE);
    for (int i = 0; i < 1000; ++i) {
        for (int pane = 0; pane < 2; ++pane) {
            Paste(Textbox(pane), "");
            Paste(Textbox(pane), pane ? "item5000\r\nitem7" : "item1\r\nitem5000");
        }
        form_->DoCompare();
    }
    ShowWindow(Form(), SW_SHOW);
    PumpFor(100);
    EXPECT_EQ(Statuses(), (Items{"2 items", "2 items"}));
    EXPECT_EQ(ObjectCounts(), before) << "handles, GDI and window objects by the system, then by probing";
}

}  // namespace
}  // namespace quorvex::test
