#include "platform/Help.h"

namespace quorvex {
namespace {

constexpr UINT kHelpContextCommand = 0x000F;  // HH_HELP_CONTEXT
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer stays loaded once used: its window outlives the call.
HtmlHelpFunction HtmlHelpEntry() {
    static HtmlHelpFunction entry = [] {
        HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        return viewer ? reinterpret_cast<HtmlHelpFunction>(
                            reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")))
                      : nullptr;
    }();
    return entry;
}

}  // namespace

HWND OpenHelpAtContext(const std::string& helpFile, DWORD context) {
    const HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    if (htmlHelp == nullptr) return nullptr;
    return htmlHelp(GetDesktopWindow(), helpFile.c_str(), kHelpContextCommand, context);
}

}  // namespace quorvex
