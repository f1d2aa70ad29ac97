// The clipboard's plain text.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

// Empties the clipboard and puts `text` on it in the ANSI text format.
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace quorvex
