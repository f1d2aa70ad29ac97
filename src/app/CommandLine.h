// The command line another program starts Quorvex with: "/f" or "/d" directly
// followed by the path of a list file that names files or folders.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

struct CommandLine {
    bool acted = false;    // it begins with "/"
    std::string command;   // the first two characters in lower case: "/f", "/d" or any other
    std::string listFile;  // the rest, unchanged: a space after the switch is part of it
};

// The arguments as the program got them, cut at a zero character.
CommandLine ParseCommandLine(std::string_view arguments);

}  // namespace quorvex
