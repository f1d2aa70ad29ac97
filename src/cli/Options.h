// The command line of quorvex-compare: GNU-style long options (a unique
// prefix will do, a value after "=" or as the next argument), "--" before
// inputs that begin with "-", and two inputs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "compare/CompareEngine.h"

namespace quorvex::cli {

struct Options {
    enum class Action { Compare, Help, Version };
    // How --ignore-case folds: Unicode's case folding where the items are
    // UTF-8, or byte by byte as the window does in the ANSI code page.
    enum class Encoding { Utf8, Ansi };
    Action action = Action::Compare;
    std::array<std::string, 2> inputs;  // a file, a folder, or "-" for standard input
    bool recursive = false;
    CompareOptions compare{.mode = CompareMode::Differences};
    std::array<bool, 2> shown{true, true};  // the sides printed
    bool count = false;
    bool json = false;
    // The window's rule is the Windows build's.
#ifdef _WIN32
    Encoding encoding = Encoding::Ansi;
#else
    Encoding encoding = Encoding::Utf8;
#endif
    bool gui = false;  // open both in the window instead
    bool quiet = false;
    std::array<std::string, 2> outputs;  // files for each side's kept items
};

struct Parsed {
    Options options;
    std::string error;  // a usage error: nothing else is valid
};

// The arguments after the program's name.
Parsed ParseArguments(const std::vector<std::string>& arguments);

extern const char kUsage[];

}  // namespace quorvex::cli
