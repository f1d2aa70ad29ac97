// The suite's compiled help, shown by the system's HTML help viewer.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

// Opens `helpFile` at a help context, unowned by the program's windows.
// Returns the viewer's window, or null when the viewer or the topic is missing.
HWND OpenHelpAtContext(const std::string& helpFile, DWORD context);

// Opens the suite's help file at `context` and keeps the viewer's window, or
// says that the file is missing.
void ShowHelp(short context);

// Closes the help window when it is still open.
void CloseHelpWindow();

}  // namespace quorvex
