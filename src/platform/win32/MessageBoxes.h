// Every message box of the program is shown here, so that each carries the
// program's title, Help button, help file and help context unless its caller
// says otherwise.
#pragma once

#include <windows.h>

#include <string>

#include "platform/HelpContexts.h"

namespace quorvex {

struct MessageBoxArgs {
    std::string text;
    UINT style = MB_OK;  // buttons, icon and default button
    std::string title = "Quorvex";
    bool helpButton = true;
    short helpContext = kQuorvexHelpContext;
};

// Shows the box modally to `owner` and returns the button pressed (IDOK,
// IDYES, ...). Its Help button opens the suite's help file at the context.
int ShowMessageBox(HWND owner, const MessageBoxArgs& args);

}  // namespace quorvex
