// The command line of quorvex-compare: GNU-style options, long ones (a
// unique prefix will do, a value after "=" or as the next argument) and
// short ones (bundled, a value attached or next), "--" before inputs that
// begin with "-", and two inputs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    // Lines as files hold them: any line end, the last one ending the last
    // item; whole lines compared; a sort whose order the kept items alone
    // decide, so that a list too large for memory sorts in pieces.
    CompareOptions compare{.mode = CompareMode::Differences,
                           .itemEnd = ItemEnd::AnyLineEnd,
                           .endAddsItem = false,
                           .names = NameRule::Never,
                           .folderNames = true,
                           .sortTiesByBytes = true};
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
    std::array<std::string, 2> outputs;  // files for each side's kept items, "-" for standard output
    std::uint64_t memory = 0;            // bytes; 0 for what the system has free
    std::string temporaryFolder;         // empty for $TMPDIR or the system's
    unsigned threads = 0;                // 0 for one a processor
};

struct Parsed {
    Options options;
    std::string error;  // a usage error: nothing else is valid
};

// The arguments after the program's name.
Parsed ParseArguments(const std::vector<std::string>& arguments);

// A size as sort -S takes it: a number and a unit, b for bytes, K, M, G or
// T (K when none); nothing when it is no size or does not fit 64 bits.
std::optional<std::uint64_t> ParseSize(std::string_view text);

extern const char kUsage[];

}  // namespace quorvex::cli
