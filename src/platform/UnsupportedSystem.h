// What the program says on a system it refuses. The installer's script takes
// the same words from this file at configure time (cmake/WindowsPackages.cmake),
// so each text stays a run of plain string literals.
#pragma once

namespace quorvex {

inline constexpr char kUnsupportedSystemTitle[] = "Unsupported Operating System";

inline constexpr char kUnsupportedSystemText[] =
    "This software is intended only for Windows Vista, Windows XP, Windows 2003, Windows 2000, and Windows Me."
    "\r\r"
    "Please go to http://www.orlenti.com for a version of the software for your operating system.";

}  // namespace quorvex
