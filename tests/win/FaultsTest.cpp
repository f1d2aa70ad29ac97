// Faults from outside the program: saves the system refuses, files that are
// no lists, and many quick rounds of work.
#include <string>

#include "MainFormFixture.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"

namespace quorvex::test {
namespace {

class Faults : public MainFormTest {
protected:
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA entry{};
        UniqueFind find(FindFirstFileA((folder + "\\*").c_str(), &entry));
        if (find) do names.emplace_back(entry.cFileName); while (FindNextFileA(find.get(), &entry));
        return names;
    }

    TempFolder folder_;
};

// No message is defined for a failed save, so nothing may be lost by one:
// the old file keeps every byte and no temporary file stays behind.
TEST_F(Faults, AFailedSaveKeepsTheOldFileWholeAndLeavesNothingBehind) {
    const std::string old(3000, 'o');
    Paste(Textbox(0), "new\r\nlist");
    std::vector<std::string> before;
    const auto save = [&](const std::string& target) {
        before = Names(target.substr(0, target.find_last_of('\\')));
        form_->SaveFile(target, std::string(100000, 'n'));
    };
    const auto nothingLost = [&](const char* what, const std::string& target) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(ReadWholeFile(target).bytes == old);  // not printed: 100,000 bytes
        EXPECT_EQ(Names(target.substr(0, target.find_last_of('\\'))), before);
        EXPECT_EQ(TextOf(Textbox(0)), "new\r\nlist");
    };
    const std::string readOnly = folder_.Write("read-only.txt", old);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    save(readOnly);
    nothingLost("over a read-only file", readOnly);

    const std::string held = folder_.Write("held.txt", old);
    {
        const UniqueFile other(CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(other);
        save(held);
    }
    nothingLost("over a file another program holds open", held);

    if (!folder_.MakeTinyDisk("tiny")) GTEST_SKIP() << "no tmpfs for a full disk";
    const std::string full = folder_.Write("tiny\\full.txt", old);
    save(full);
    nothingLost("onto a full disk", full);
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
