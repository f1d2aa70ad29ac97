// A list read from a text file: every byte one character of the ANSI code
// page, line feeds made CR LF when the file has no carriage return at all.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvex {

// The file's text as a pane shows it; nothing when the user chose not to
// load a large file. A file that cannot be opened gives the empty text, a
// read that fails part-way what was read.
std::optional<std::string> LoadListFile(HWND owner, const std::string& filename);

}  // namespace quorvex
