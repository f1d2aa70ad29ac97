#include "cli/Options.h"

#include <algorithm>
#include <charconv>

namespace quorvex::cli {
namespace {

enum class Name {
    Help,
    Version,
    Similarities,
    Left,
    Right,
    Sort,
    IgnoreCase,
    Encoding,
    NoTrim,
    Names,
    Pair,
    Count,
    Format,
    Quiet,
    Recursive,
    ZeroTerminated,
    OutputLeft,
    OutputRight,
    Memory,
    TemporaryFolder,
    Threads,
    Gui,
};

struct Option {
    const char* name;
    char letter;  // 0 for none
    Name id;
    bool takesValue;
};

constexpr Option kOptions[] = {
    {"help", 'h', Name::Help, false},
    {"version", 0, Name::Version, false},
    {"similarities", 's', Name::Similarities, false},
    {"left", 'l', Name::Left, false},
    {"right", 'r', Name::Right, false},
    {"sort", 'a', Name::Sort, false},
    {"ignore-case", 'i', Name::IgnoreCase, false},
    {"encoding", 0, Name::Encoding, true},
    {"no-trim", 0, Name::NoTrim, false},
    {"names", 0, Name::Names, true},
    {"pair", 0, Name::Pair, false},
    {"count", 'c', Name::Count, false},
    {"format", 0, Name::Format, true},
    {"quiet", 'q', Name::Quiet, false},
    {"recursive", 'R', Name::Recursive, false},
    {"zero-terminated", 'z', Name::ZeroTerminated, false},
    {"output-left", 0, Name::OutputLeft, true},
    {"output-right", 0, Name::OutputRight, true},
    {"memory", 'S', Name::Memory, true},
    {"temporary-directory", 'T', Name::TemporaryFolder, true},
    {"threads", 0, Name::Threads, true},
    {"gui", 0, Name::Gui, false},
};

// The option a long name or a unique prefix of one names; an exact name wins
// over longer ones it begins.
const Option* FindLong(const std::string& name, std::string& error) {
    const Option* found = nullptr;
    int candidates = 0;
    for (const Option& known : kOptions) {
        const std::string full = known.name;
        if (full == name) return &known;
        if (full.compare(0, name.size(), name) == 0) {
            found = &known;
            ++candidates;
        }
    }
    if (candidates == 1) return found;
    error = candidates ? "option '--" + name + "' is ambiguous" : "unrecognized option '--" + name + "'";
    return nullptr;
}

const Option* FindShort(char letter) {
    const auto found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                    [letter](const Option& known) { return known.letter == letter; });
    return found == std::end(kOptions) ? nullptr : found;
}

// One option and its value applied; a usage error, or nothing.
std::string Apply(const Option& option, const std::string& value, Options& o, bool& left, bool& right) {
    const auto invalid = [&](const char* choices) {
        return "invalid argument '" + value + "' for '--" + option.name + "'" + choices;
    };
    switch (option.id) {
        case Name::Help:
            o.action = Options::Action::Help;
            break;
        case Name::Version:
            o.action = Options::Action::Version;
            break;
        case Name::Similarities:
            o.compare.mode = CompareMode::Similarities;
            break;
        case Name::Left:
            left = true;
            break;
        case Name::Right:
            right = true;
            break;
        case Name::Sort:
            o.compare.sort = true;
            break;
        case Name::IgnoreCase:
            o.compare.caseRule = CaseRule::Folded;
            break;
        case Name::NoTrim:
            o.compare.trim = false;
            break;
        case Name::Pair:
            o.compare.pair = true;
            break;
        case Name::Count:
            o.count = true;
            break;
        case Name::Quiet:
            o.quiet = true;
            break;
        case Name::Recursive:
            o.recursive = true;
            break;
        case Name::ZeroTerminated:
            o.compare.itemEnd = ItemEnd::Nul;
            break;
        case Name::OutputLeft:
            o.outputs[0] = value;
            break;
        case Name::OutputRight:
            o.outputs[1] = value;
            break;
        case Name::TemporaryFolder:
            o.temporaryFolder = value;
            break;
        case Name::Gui:
            o.gui = true;
            break;
        case Name::Encoding:
            if (value != "utf8" && value != "ansi") return invalid(" (utf8 or ansi)");
            o.encoding = value == "ansi" ? Options::Encoding::Ansi : Options::Encoding::Utf8;
            break;
        case Name::Format:
            if (value != "lines" && value != "json") return invalid(" (lines or json)");
            o.json = value == "json";
            break;
        case Name::Names:
            if (value == "auto")
                o.compare.names = NameRule::Auto;
            else if (value == "always")
                o.compare.names = NameRule::Always;
            else if (value == "never")
                o.compare.names = NameRule::Never;
            else
                return invalid(" (never, always or auto)");
            break;
        case Name::Memory: {
            const auto size = ParseSize(value);
            if (!size || *size == 0) return invalid(" (a size such as 500M or 2G)");
            o.memory = *size;
            break;
        }
        case Name::Threads: {
            unsigned threads = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), threads);
            if (error != std::errc() || end != value.data() + value.size() || threads == 0 || threads > 1024)
                return invalid(" (1 to 1024)");
            o.threads = threads;
            break;
        }
    }
    return {};
}

}  // namespace

std::optional<std::uint64_t> ParseSize(std::string_view text) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
    static constexpr std::string_view kUnits = "bkmgt";
    std::size_t power = 1;  // K when none, as sort takes it
    if (!unit.empty()) {
        const char lower = static_cast<char>(unit[0] >= 'A' && unit[0] <= 'Z' ? unit[0] - 'A' + 'a' : unit[0]);
        power = kUnits.find(lower);
        if (unit.size() != 1 || power == std::string_view::npos) return std::nullopt;
    }
    for (std::size_t i = 0; i < power; ++i) {
        if (number > UINT64_MAX / 1024) return std::nullopt;
        number *= 1024;
    }
    return number;
}

extern const char kUsage[] =
    "Usage: quorvex-compare [OPTION]... LEFT RIGHT\n"
    "Compare two lists, one item per line, whatever their order, and print what\n"
    "only one side holds (or, with --similarities, what both hold).\n"
    "\n"
    "LEFT and RIGHT are files, folders (their listing, as Quorvex lists them), or -\n"
    "for standard input (one side at most). Any line end ends an item; a UTF-8\n"
    "byte-order mark is dropped and UTF-16 with a byte-order mark is read as text.\n"
    "Blanks around an item are trimmed, letter case counts, empty items are never\n"
    "shown, and whole lines are compared. Lists of any size can be compared: what\n"
    "does not fit in memory is compared in pieces on disk, with the same result.\n"
    "\n"
    "  -s, --similarities     keep the items the other side holds (default: the\n"
    "                         items it lacks)\n"
    "  -l, --left             print only the left side's kept items, bare\n"
    "  -r, --right            print only the right side's kept items, bare\n"
    "  -a, --sort             sort the kept items: letter case ignored, then by\n"
    "                         their bytes\n"
    "  -i, --ignore-case      items that differ only in letter case match\n"
    "      --encoding=utf8    fold letter case as Unicode does, bytes that are not\n"
    "                         UTF-8 kept as they are (the default on Linux)\n"
    "      --encoding=ansi    fold letter case in the ANSI code page, as the window\n"
    "                         does (the default on Windows)\n"
    "      --no-trim          keep the blanks around items\n"
    "      --names=WHEN       compare paths by the names at their end: never (the\n"
    "                         default since 0.2: whole lines), always (after the\n"
    "                         last \\ or /), or auto (the window's rule, the default\n"
    "                         before 0.2: when every left item holds a \\)\n"
    "      --pair             each occurrence matches at most one on the other side\n"
    "  -c, --count            print how many items each side holds and keeps:\n"
    "                         'left' or 'right', a tab, held, a tab, kept\n"
    "      --format=json      print a JSON object instead: for each side printed,\n"
    "                         the items it held and the items kept (bytes that are\n"
    "                         not UTF-8 become U+FFFD); --format=lines is the\n"
    "                         default\n"
    "  -z, --zero-terminated  items end with a zero byte, in the inputs and in\n"
    "                         what is written; folder listings then keep names\n"
    "                         that hold line ends whole\n"
    "  -R, --recursive        list folders with all their subfolders\n"
    "      --output-left=FILE, --output-right=FILE\n"
    "                         write that side's kept items to FILE, as sort -o\n"
    "                         writes: a link is followed, a file is replaced only\n"
    "                         once the new content is whole and keeps its mode, a\n"
    "                         pipe or a device is written as it is, - is standard\n"
    "                         output (which then prints nothing else)\n"
    "  -S, --memory=SIZE      use at most SIZE of memory: a number and b, K, M, G\n"
    "                         or T (K when none); by default what the system has\n"
    "                         free, within this process's limits\n"
    "  -T, --temporary-directory=DIR\n"
    "                         put the temporary files of lists larger than memory\n"
    "                         in DIR (default: $TMPDIR, else /tmp)\n"
    "      --threads=N        use N threads (default: one a processor)\n"
    "  -q, --quiet            print nothing\n"
    "      --gui              open the two files or folders in the Quorvex window\n"
    "                         installed beside this program (Windows) instead; it\n"
    "                         takes no other option\n"
    "  -h, --help             print this help and exit\n"
    "      --version          print the version and exit\n"
    "\n"
    "Each kept item is printed on a line of its own after '< ' for the left side\n"
    "or '> ' for the right, the left side's items first.\n"
    "\n"
    "Exit status: 0 when the lists hold the same items, 1 when they differ,\n"
    "2 on trouble (an input that cannot be read, a failed write, memory or disk\n"
    "that ran out, a bad option).\n";

Parsed ParseArguments(const std::vector<std::string>& arguments) {
    Parsed parsed;
    Options& o = parsed.options;
    std::vector<std::string> inputs, given;
    bool onlyInputs = false, left = false, right = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyInputs || argument.size() < 2 || argument[0] != '-') {
            inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyInputs = true;
            continue;
        }
        // The options of this argument with their values.
        std::vector<std::pair<const Option*, std::string>> named;
        if (argument[1] == '-') {
            const std::size_t equals = argument.find('=');
            const Option* known = FindLong(argument.substr(2, equals - 2), parsed.error);
            if (known == nullptr) return parsed;
            std::string value;
            if (known->takesValue && equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (known->takesValue && i + 1 < arguments.size()) {
                value = arguments[++i];
            } else if (known->takesValue) {
                parsed.error = std::string("option '--") + known->name + "' requires an argument";
                return parsed;
            } else if (equals != std::string::npos) {
                parsed.error = std::string("option '--") + known->name + "' doesn't allow an argument";
                return parsed;
            }
            named.emplace_back(known, value);
        } else {
            for (std::size_t k = 1; k < argument.size(); ++k) {
                const Option* known = FindShort(argument[k]);
                if (known == nullptr) {
                    parsed.error = "invalid option -- '" + argument.substr(k, 1) + "'";
                    return parsed;
                }
                if (!known->takesValue) {
                    named.emplace_back(known, "");
                    continue;
                }
                if (k + 1 < argument.size()) {
                    named.emplace_back(known, argument.substr(k + 1));
                } else if (i + 1 < arguments.size()) {
                    named.emplace_back(known, arguments[++i]);
                } else {
                    parsed.error = "option requires an argument -- '" + argument.substr(k, 1) + "'";
                    return parsed;
                }
                break;
            }
        }
        for (const auto& [known, value] : named) {
            parsed.error = Apply(*known, value, o, left, right);
            if (!parsed.error.empty() || o.action != Options::Action::Compare) return parsed;
            if (known->id != Name::Gui) given.push_back(argument);
        }
    }
    if (o.gui && !given.empty()) {
        parsed.error = "the window takes no options: '" + given.front() + "' cannot go with --gui";
        return parsed;
    }
    if (inputs.size() != 2) {
        parsed.error = inputs.size() < 2 ? "missing operand: LEFT and RIGHT" : "extra operand '" + inputs[2] + "'";
        return parsed;
    }
    if (inputs[0] == "-" && inputs[1] == "-") {
        parsed.error = "standard input can be only one side";
        return parsed;
    }
    if (!o.outputs[0].empty() && o.outputs[0] == o.outputs[1] && o.outputs[0] != "-") {
        parsed.error = "both sides cannot be written to the same file '" + o.outputs[0] + "'";
        return parsed;
    }
    std::copy(inputs.begin(), inputs.end(), o.inputs.begin());
    if (left != right) o.shown = {left, right};
    return parsed;
}

}  // namespace quorvex::cli
