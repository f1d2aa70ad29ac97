// Reading a window's text as the program's ANSI std::string.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

inline std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)), '\0');
    if (text.empty()) return text;
    // The length is an upper bound (it may count DBCS bytes twice); keep what was copied.
    const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace quorvex
