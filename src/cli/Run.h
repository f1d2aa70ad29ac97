// quorvex-compare from its arguments to its exit status, through the system
// it runs on.
#pragma once

#include <string>
#include <vector>

#include "cli/System.h"

namespace quorvex::cli {

constexpr int kTrouble = 2;
// Standard output's reader went away: the caller ends the program as a
// closed pipe ends it.
constexpr int kClosedPipe = -1;

// The arguments after the program's name; the exit status.
int Run(const std::vector<std::string>& arguments, System& system);

}  // namespace quorvex::cli
