// The common Open and Save dialogs, modal to an owner window.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

// The chosen file's full path, or the empty text when the user cancelled.
std::string ShowOpenDialog(HWND owner, const std::string& title, const std::string& initialPath,
                           const std::string& filter);

// The chosen path, with the default extension appended by the dialog when the
// user typed a name without one; the empty text when the user cancelled.
std::string ShowSaveDialog(HWND owner, const std::string& title, const std::string& initialPath,
                           const std::string& defaultExt, const std::string& filter);

// Whether the dialog library takes the longer request record of Windows 2000
// and later (its major version is 5 or more).
bool IsNewComdlg();

}  // namespace quorvex
