// Faults from outside the program: saves the system refuses, files that are
// no lists, and many quick rounds of work.
#include <string>

#include "MainFormFixture.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "sources/FolderListing.h"

namespace quorvex::test {
namespace {

class Faults : public MainFormTest {
protected:
    TempFolder folder_;
};

// No message is defined for a failed save, so nothing may be lost by one:
// the old file keeps every byte and no temporary file stays behind.
TEST_F(Faults, AFailedSaveKeepsTheOldFileWholeAndLeavesNothingBehind) {
    const std::string old(3000, 'o');
    Paste(Textbox(0), "new\r\nlist");
    const auto names = [](const std::string& file) {  // the file's folder, as a listing gives it
        return ListFolderTree(file.substr(0, file.find_last_of('\\')), "", [] { return false; });
    };
    const auto saveFails = [&](const char* what, const std::string& target) {
        SCOPED_TRACE(what);
        const std::string before = names(target);
        form_->SaveFile(target, std::string(100000, 'n'));
        EXPECT_TRUE(ReadWholeFile(target).bytes == old);  // not printed: 100,000 bytes
        EXPECT_EQ(names(target), before);
        EXPECT_EQ(TextOf(Textbox(0)), "new\r\nlist");
    };
    const std::string readOnly = folder_.Write("read-only.txt", old);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    saveFails("over a read-only file", readOnly);
    const std::string held = folder_.Write("held.txt", old);
    const UniqueFile other(CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    saveFails("over a file another program holds open", held);

    if (!folder_.MakeTinyDisk("tiny")) GTEST_SKIP() << "no tmpfs for a full disk";
    const std::string full = folder_.Write("tiny\\full.txt", old);
    saveFails("onto a full disk", full);
    ASSERT_TRUE(folder_.MakeReadOnly("tiny"));
    saveFails("into a read-only folder", full);
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
    for (int i = 0; i < 200; ++i) ClickCompare(i % 2);
    EXPECT_TRUE(IsPressed(CompareIt(1)) && !IsPressed(CompareIt(0)));
    EXPECT_EQ(Statuses(), (Items{"4000 items", "4000 items"}));
    EXPECT_EQ(Results().first.size(), 4000u);
    ClickCompare(1);

    auto counts = [handles = DWORD{0}]() mutable {
        GetProcessHandleCount(GetCurrentProcess(), &handles);
        return std::vector<DWORD>{handles, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                                  GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    };
    const auto before = counts();
    // Wine counts none of these (all read 0), and each text takes it some
    // 12 ms; there the rounds only check that the panes stay right.
    const bool counted = before != std::vector<DWORD>{0, 0, 0};
    for (int i = 0; i < (counted ? 1000 : 100); ++i) {
        for (int pane = 0; pane < 2; ++pane) {
            SetWindowTextA(Textbox(pane), "");
            SetWindowTextA(Textbox(pane), pane ? "item5000\r\nitem7" : "item1\r\nitem5000");
        }
        form_->DoCompare();
    }
    PumpFor(100);
    EXPECT_EQ(Statuses(), (Items{"2 items", "2 items"}));
    if (counted) EXPECT_EQ(counts(), before) << "handles, GDI objects, window objects";
}

}  // namespace
}  // namespace quorvex::test
