// The largest file a pane takes: 256 MB in the 32-bit product, 4 GB in the
// 64-bit build. Larger files load as files that cannot be read, whatever
// their size does to 32-bit arithmetic, and nothing of them is held.
#include <psapi.h>

#include <string>

#include "MainFormFixture.h"
#include "platform/win32/FileSystem.h"

namespace quorvex::test {
namespace {

// A file as long as `length` says, a line and then a hole: no disk is
// spent, and a pane that took it would show the line.
std::string SparseFile(const TempFolder& folder, const std::string& name, std::uint64_t length) {
    const std::string path = folder.Path() + "\\" + name;
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), "line\r\n", 6, &written, nullptr);
    LONG high = static_cast<LONG>(length >> 32);
    SetFilePointer(file.get(), static_cast<LONG>(length & 0xFFFFFFFF), &high, FILE_BEGIN);
    SetEndOfFile(file.get());
    return path;
}

constexpr std::uint64_t kGigabyte = std::uint64_t{1} << 30;
// What the README promises a pane takes, stated apart from the program's own
// constant.
constexpr std::uint64_t kPromised = sizeof(void*) == 4 ? std::uint64_t{256} << 20 : 4 * kGigabyte;

using Limits = MainFormTest;

// A byte over the limit; where the build's limit is lower, 1 GB and 3 GB
// (past 2^31: a size read as a signed 32-bit number turns negative); and
// 100 GB, more than memory, which start-up meets before any window
// procedure's barrier. Through the Open dialog and through a handed-over
// list at start-up.
TEST_F(Limits, AFileOverThePaneLimitLoadsAsOneThatCannotBeRead) {
    for (const std::uint64_t length : {kPromised + 1, kGigabyte, 3 * kGigabyte, 100 * kGigabyte}) {
        if (length <= kPromised) continue;
        SCOPED_TRACE(length);
        const std::string big = SparseFile(folder_, "big-" + std::to_string(length) + ".txt", length);
        ASSERT_EQ(FileLength(big).value_or(0), length);
        Paste(Textbox(0), "before");
        {
            Answerer answerer({{"Select a file to compare", IDOK, big}, {"Quorvex", IDYES}});
            Click(BtnOpen(0));
            EXPECT_TRUE(answerer.Answered());
        }
        EXPECT_EQ(TextOf(Textbox(0)), "");
        EXPECT_TRUE(StatusBecomes(0, "1 items - " + big));

        form_.reset();
        const std::string list =
            folder_.Write("list.ini", "[Files]\r\nFile1=" + big + "\r\nFile2=" + folder_.Write("b.txt", "b") + "\r\n");
        Answerer yes({{"Quorvex", IDYES}});
        form_ = Quorvex::Create(GetModuleHandleA(nullptr), "/f" + list);
        form_->Show();
        EXPECT_EQ(TextOf(Textbox(0)) + "|" + TextOf(Textbox(1)), "|b");
        // The one main form goes before the next comes.
        form_.reset();
        form_ = Quorvex::Create(GetModuleHandleA(nullptr));
        form_->Show();
        PumpFor(0);
    }
}

// The product as users receive it: a 3 GB file handed over at start-up
// loads as one that cannot be read and leaves the program small, and
// quorvex-compare.exe ends on 1 GB and 3 GB files with its status for
// trouble (a line longer than its memory allows), not a crash.
TEST(ProductLimits, TheProductTakesFilesOfGigabytesWithoutHoldingThem) {
    DWORD kind = 0;
    if (!GetBinaryTypeA(Product("Quorvex.exe").c_str(), &kind) || kind != SCS_32BIT_BINARY)
        GTEST_SKIP() << "a 64-bit product takes files of 4 GB into its panes";
    RegistrySandbox registry;
    TempFolder folder;
    const std::string huge = SparseFile(folder, "huge.txt", 3 * kGigabyte);
    const std::string list =
        folder.Write("list.ini", "[Files]\r\nFile1=" + huge + "\r\nFile2=" + folder.Write("b.txt", "b") + "\r\n");
    const UniqueProcess window = StartProgram("\"" + Product("Quorvex.exe") + "\" /f" + list);
    ASSERT_TRUE(window);
    HWND form = nullptr;
    const auto pane = [&](int i) {  // GetWindowText does not ask another program's box
        char text[16] = {};
        SendMessageA(GetDlgItem(form, control::kTextbox + i), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    // Yes to the large-file question, a box of the other program's.
    EXPECT_TRUE(PumpUntil(
        [&] {
            if (const HWND box = FindWindowA("#32770", "Quorvex")) PostMessageA(box, WM_COMMAND, IDYES, 0);
            return (form = FindWindowA(Quorvex::kClassName, nullptr)) && pane(1) == "b";
        },
        30000));
    EXPECT_EQ(pane(0), "");
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ASSERT_TRUE(GetProcessMemoryInfo(window.get(), &memory, sizeof memory));
    EXPECT_LT(memory.PagefileUsage, 64u << 20);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(window.get(), 30000), WAIT_OBJECT_0);

    const std::string small = folder.Write("small.txt", "a\r\n");
    for (const std::uint64_t length : {kGigabyte, 3 * kGigabyte}) {
        SCOPED_TRACE(length);
        const std::string big = SparseFile(folder, "big.txt", length);
        const UniqueProcess compare =
            StartProgram("\"" + Product("quorvex-compare.exe") + "\" --quiet " + big + " " + small);
        ASSERT_TRUE(compare);
        DWORD status = 0;
        EXPECT_EQ(WaitForSingleObject(compare.get(), 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(compare.get(), &status);
        EXPECT_EQ(status, 2u);
    }
}

}  // namespace
}  // namespace quorvex::test
