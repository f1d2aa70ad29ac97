#include "cli/Options.h"

#include <algorithm>

namespace quorvex::cli {
namespace {

enum class Name {
    Help, Version, Similarities, Left, Right, Sort, IgnoreCase, Encoding, NoTrim, Names, Pair, Count, Format,
    Quiet, Recursive, OutputLeft, OutputRight, Gui,
};

struct LongOption {
    const char* name;
    Name id;
    bool takesValue;
};

constexpr LongOption kLongOptions[] = {
    {"help", Name::Help, false},
    {"version", Name::Version, false},
    {"similarities", Name::Similarities, false},
    {"left", Name::Left, false},
    {"right", Name::Right, false},
    {"sort", Name::Sort, false},
    {"ignore-case", Name::IgnoreCase, false},
    {"encoding", Name::Encoding, true},
    {"no-trim", Name::NoTrim, false},
    {"names", Name::Names, true},
    {"pair", Name::Pair, false},
    {"count", Name::Count, false},
    {"format", Name::Format, true},
    {"quiet", Name::Quiet, false},
    {"recursive", Name::Recursive, false},
    {"output-left", Name::OutputLeft, true},
    {"output-right", Name::OutputRight, true},
    {"gui", Name::Gui, false},
};

// The option a long name or a unique prefix of one names; an exact name wins
// over longer ones it begins.
const LongOption* Find(const std::string& name, std::string& error) {
    const LongOption* found = nullptr;
    int candidates = 0;
    for (const LongOption& known : kLongOptions) {
        const std::string full = known.name;
        if (full == name) return &known;
        if (full.compare(0, name.size(), name) == 0) {
            found = &known;
            ++candidates;
        }
    }
    if (candidates == 1) return found;
    error = std::string(candidates ? "option '--" + name + "' is ambiguous" : "unrecognized option '--" + name + "'");
    return nullptr;
}

}  // namespace

extern const char kUsage[] =
    "Usage: quorvex-compare [OPTION]... LEFT RIGHT\n"
    "Compare two lists, one item per line, whatever their order, and print what\n"
    "only one side holds (or, with --similarities, what both hold).\n"
    "\n"
    "LEFT and RIGHT are files, folders (their listing, as Quorvex lists them), or -\n"
    "for standard input (one side at most). Any line end ends an item; a UTF-8\n"
    "byte-order mark is dropped and UTF-16 with a byte-order mark is read as text.\n"
    "By default the rules are the Quorvex window's: blanks around an item are\n"
    "trimmed, letter case counts, empty items are never shown, and lists of full\n"
    "paths (every left item holding a backslash) compare by their names.\n"
    "\n"
    "  --similarities     keep the items the other side holds (default: the others)\n"
    "  --left, --right    print only that side, its items bare\n"
    "  --sort             sort the kept items, letter case ignored\n"
    "  --ignore-case      items that differ only in letter case match\n"
    "  --encoding=utf8    fold letter case as Unicode does, bytes that are not\n"
    "                     UTF-8 kept as they are (the default on Linux)\n"
    "  --encoding=ansi    fold letter case in the ANSI code page, as the window\n"
    "                     does (the default on Windows)\n"
    "  --no-trim          keep the blanks around items\n"
    "  --names=WHEN       compare by the names at the end of paths: auto (the\n"
    "                     window's rule), always (after the last \\ or /), never\n"
    "  --pair             each occurrence matches at most one on the other side\n"
    "  --count            print how many items each side holds and keeps:\n"
    "                     'left' or 'right', a tab, held, a tab, kept\n"
    "  --format=json      print a JSON object instead: for each side printed, the\n"
    "                     items it held and the items kept (bytes that are not\n"
    "                     UTF-8 become U+FFFD); --format=lines is the default\n"
    "  --recursive        list folders with all their subfolders\n"
    "  --output-left=FILE, --output-right=FILE\n"
    "                     write that side's kept items to FILE, which is replaced\n"
    "                     only once it is whole\n"
    "  --quiet            print nothing\n"
    "  --gui              open the two files or folders in the Quorvex window\n"
    "                     installed beside this program (Windows) instead\n"
    "  --help, --version  print this help or the version, and exit\n"
    "\n"
    "Each kept item is printed on a line of its own after '< ' for the left side\n"
    "or '> ' for the right, the left side's items first.\n"
    "\n"
    "Exit status: 0 when the lists hold the same items, 1 when they differ,\n"
    "2 on trouble (an input that cannot be read, a failed write, a bad option).\n";

Parsed ParseArguments(const std::vector<std::string>& arguments) {
    Parsed parsed;
    Options& o = parsed.options;
    std::vector<std::string> inputs;
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
        if (argument == "-h") {  // the one short option
            o.action = Options::Action::Help;
            return parsed;
        }
        if (argument[1] != '-') {
            parsed.error = "invalid option -- '" + argument.substr(1, 1) + "'";
            return parsed;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals - 2);
        const LongOption* known = Find(name, parsed.error);
        if (known == nullptr) return parsed;
        std::string value;
        if (known->takesValue) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                parsed.error = std::string("option '--") + known->name + "' requires an argument";
                return parsed;
            }
        } else if (equals != std::string::npos) {
            parsed.error = std::string("option '--") + known->name + "' doesn't allow an argument";
            return parsed;
        }
        switch (known->id) {
            case Name::Help: o.action = Options::Action::Help; return parsed;
            case Name::Version: o.action = Options::Action::Version; return parsed;
            case Name::Similarities: o.compare.mode = CompareMode::Similarities; break;
            case Name::Left: left = true; break;
            case Name::Right: right = true; break;
            case Name::Sort: o.compare.sort = true; break;
            case Name::IgnoreCase: o.compare.caseRule = CaseRule::Folded; break;
            case Name::NoTrim: o.compare.trim = false; break;
            case Name::Pair: o.compare.pair = true; break;
            case Name::Count: o.count = true; break;
            case Name::Quiet: o.quiet = true; break;
            case Name::Recursive: o.recursive = true; break;
            case Name::OutputLeft: o.outputs[0] = value; break;
            case Name::OutputRight: o.outputs[1] = value; break;
            case Name::Gui: o.gui = true; break;
            case Name::Encoding:
                if (value != "utf8" && value != "ansi") {
                    parsed.error = "invalid argument '" + value + "' for '--encoding' (utf8 or ansi)";
                    return parsed;
                }
                o.encoding = value == "ansi" ? Options::Encoding::Ansi : Options::Encoding::Utf8;
                break;
            case Name::Format:
                if (value != "lines" && value != "json") {
                    parsed.error = "invalid argument '" + value + "' for '--format' (lines or json)";
                    return parsed;
                }
                o.json = value == "json";
                break;
            case Name::Names:
                if (value == "auto") o.compare.names = NameRule::Auto;
                else if (value == "always") o.compare.names = NameRule::Always;
                else if (value == "never") o.compare.names = NameRule::Never;
                else {
                    parsed.error = "invalid argument '" + value + "' for '--names' (auto, always or never)";
                    return parsed;
                }
                break;
        }
    }
    if (inputs.size() != 2) {
        parsed.error = inputs.size() < 2 ? "missing operand: LEFT and RIGHT" : "extra operand '" + inputs[2] + "'";
        return parsed;
    }
    if (inputs[0] == "-" && inputs[1] == "-") {
        parsed.error = "standard input can be only one side";
        return parsed;
    }
    std::copy(inputs.begin(), inputs.end(), o.inputs.begin());
    if (left != right) o.shown = {left, right};
    return parsed;
}

}  // namespace quorvex::cli
