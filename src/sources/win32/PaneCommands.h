// The dialogs and questions of each pane's Open, Copy and Save buttons.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

// The file the user chose to open in a pane; empty when the dialog was
// cancelled or the user declined to open the other pane's file again.
std::string AskFileToOpen(HWND owner, const std::string& otherSourceLabel);

// Puts the content on the clipboard, or says there is nothing to copy.
void CopyContent(HWND owner, const std::string& content);

// The file the user chose to save the content to; empty when there is
// nothing to save (said), the dialog was cancelled, or the user declined to
// overwrite the other pane's file.
std::string AskFileToSave(HWND owner, const std::string& content, const std::string& otherSourceLabel);

}  // namespace quorvex
