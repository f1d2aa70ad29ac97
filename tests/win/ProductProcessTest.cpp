// The real program started as a process and driven from outside, as
// automation tools and screen readers see it: through its standard controls.
#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "app/ControlIds.h"
#include "app/Quorvex.h"

namespace quorvex::test {
namespace {

// Another process's text, marshalled by the system.
std::string RemoteText(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(ProductProcess, IsDrivenFromOutsideAndEscInAPaneLosesNothing) {
    ProgramProcess program;
    HWND form = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (form = program.Window(Quorvex::kClassName)) != nullptr; }, 60000));
    const auto item = [&](int id) { return GetDlgItem(form, id); };
    EXPECT_EQ(RemoteText(item(control::kStatus + 1)), "Type a list or open a file or folder to compare");
    SendMessageA(item(control::kTextbox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pear\r\nfig\r\nkiwi"));
    SendMessageA(item(control::kTextbox + 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kiwi\r\nlime"));
    // Esc as the keyboard sends it to the pane, through the program's own loop.
    PostMessageA(item(control::kTextbox), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(item(control::kTextbox), WM_CHAR, VK_ESCAPE, 0x00010001);
    Sleep(300);
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(RemoteText(item(control::kTextbox)), "pear\r\nfig\r\nkiwi");
    SendMessageA(item(control::kCompareIt + 1), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(item(control::kListbox)));
    EXPECT_EQ(SendMessageA(item(control::kListbox), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(RemoteText(item(control::kStatus)), "2 items");
    EXPECT_EQ(RemoteText(item(control::kStatus + 1)), "1 items");
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

}  // namespace
}  // namespace quorvex::test
