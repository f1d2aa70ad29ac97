// The Windows versions the program runs on, each asked anew at every call;
// false when the system cannot be asked.
#pragma once

namespace quorvex {

bool IsWinMe();
bool IsWin2000();
bool IsWinXP();
bool IsWin2003();
bool IsWinVista();

// Windows NT, 2000 and later, as against Windows 95, 98 and Me.
bool IsNtFamily();

}  // namespace quorvex
