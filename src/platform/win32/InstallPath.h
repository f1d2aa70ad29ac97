// The suite's installation folder, read once at start-up; the suite's help
// file lies there.
#pragma once

#include <string>

namespace quorvex {

// Ends in "\" once it has been read; empty before.
const std::string& InstallPath();
void SetInstallPath(std::string path);

// The suite's help file: the installation folder followed by "mivo.chm".
std::string HelpFile();

// The suite's installation folder from the registry, trimmed and ending in
// "\". On a system the program does not support it says so and ends the
// program at once: nothing else runs, nothing is saved.
std::string GetInstallPath();

}  // namespace quorvex
