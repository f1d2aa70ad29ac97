// What the folder browser decides: which selections it accepts, what it
// hands back, and its help topic. The choice travels in one program-wide
// value, the folder last chosen.
#pragma once

#include <string>

namespace quorvex {

// The folder last chosen: a path, kDesktopChoice for the desktop, or the
// empty text after Cancel. It is also the browser's next preselection.
std::string& FolderLastChosen();

// The browser's value for the desktop, which its callers resolve to the
// user's desktop folder.
inline constexpr char kDesktopChoice[] = "\"Desktop\"";

// A folder of the file system (its path holds a "\"), or the desktop; not
// another virtual folder, whose name has no "\".
bool IsValidChoice(const std::string& selectedPath);

// What Accept leaves in the folder last chosen for a valid selection.
std::string ChoiceOf(const std::string& selectedPath);

// The browser's help context in a program of this name (without its
// extension; letter case counts).
short BrowseHelpContext(const std::string& programName);

}  // namespace quorvex
