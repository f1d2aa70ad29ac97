#include "platform/win32/Fonts.h"

#include <cstring>
#include <vector>

#include "compare/TextRoutines.h"
#include "platform/win32/ButtonPlus.h"
#include "platform/win32/Registry.h"
#include "platform/win32/WindowsVersion.h"

namespace quorvex {
namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

// The form's font with another face, its size kept.
UniqueFont FaceOf(HWND form, const char* face) {
    LOGFONTA look{};
    const auto current = reinterpret_cast<HGDIOBJ>(SendMessageA(form, WM_GETFONT, 0, 0));
    if (current == nullptr || GetObjectA(current, sizeof look, &look) == 0) return UniqueFont();
    lstrcpynA(look.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&look));
}

}  // namespace

bool IsThemeActive() {
    return LeadingNumber16(GetRegString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                                        "ThemeActive")) != 0;
}

UniqueFont ApplyFonts(HWND form, std::initializer_list<ButtonPlus*> buttons) {
    for (ButtonPlus* button : buttons) button->SetFocusStyle(IsThemeActive() ? 0 : 1);
    if (!IsWinVista()) return UniqueFont();
    UniqueFont font = FaceOf(form, "Segoe UI");
    if (!font) return font;
    SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    std::vector<HWND> children;
    EnumChildWindows(form, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    return font;
}

}  // namespace quorvex
