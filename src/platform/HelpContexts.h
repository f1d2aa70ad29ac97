// The suite's help topics that this program opens.
#pragma once

namespace quorvex {

// The main form's: its Help button, F1, and every message box unless it
// says otherwise.
inline constexpr short kQuorvexHelpContext = 162;
// The folder browser's in a program the browser does not know.
inline constexpr short kBrowseHelpContext = 100;
// The message that refuses an unsupported system.
inline constexpr short kUnsupportedSystemHelpContext = 202;

}  // namespace quorvex
