#include "cli/Run.h"

#include <utility>

#include "cli/Input.h"
#include "cli/Options.h"
#include "cli/Report.h"

namespace quorvex::cli {
namespace {

constexpr int kTrouble = 2;
const char kProgram[] = "quorvex-compare: ";

// An input's items, or nothing when it was said why it cannot be read.
std::optional<std::string> ReadInput(const std::string& input, bool recursive, System& system) {
    std::string reason;
    if (input != "-" && system.IsFolder(input)) {
        if (!system.Folders().Entries(input)) {
            system.Complain(kProgram + input + ": cannot read the folder\n");
            return std::nullopt;
        }
        return WalkFolderTree(input, "", [recursive] { return recursive; }, system.Folders());
    }
    auto bytes = input == "-" ? system.ReadStandardInput(reason) : system.ReadFile(input, reason);
    if (!bytes) {
        system.Complain(kProgram + (input == "-" ? std::string("standard input") : input) + ": " + reason + "\n");
        return std::nullopt;
    }
    return DecodedText(std::move(*bytes));
}

// The window takes two files or two folders, not standard input.
int OpenInWindow(const Options& options, System& system) {
    const bool folders = system.IsFolder(options.inputs[0]);
    std::string reason = "the window takes two files or two folders";
    if (options.inputs[0] != "-" && options.inputs[1] != "-" && system.IsFolder(options.inputs[1]) == folders &&
        system.OpenInWindow(options.inputs[0], options.inputs[1], folders, reason))
        return 0;
    system.Complain(kProgram + reason + "\n");
    return kTrouble;
}

}  // namespace

int Run(const std::vector<std::string>& arguments, System& system) {
    const Parsed parsed = ParseArguments(arguments);
    if (!parsed.error.empty()) {
        system.Complain(kProgram + parsed.error + "\nTry 'quorvex-compare --help' for more information.\n");
        return kTrouble;
    }
    const Options& options = parsed.options;
    if (options.action == Options::Action::Help) return system.Print(kUsage) ? 0 : kTrouble;
    if (options.action == Options::Action::Version)
        return system.Print("quorvex-compare (Quorvex) " QUORVEX_VERSION "\n") ? 0 : kTrouble;

    if (options.gui) return OpenInWindow(options, system);
    std::optional<std::string> texts[2];
    for (int side = 0; side < 2; ++side)
        if (!(texts[side] = ReadInput(options.inputs[side], options.recursive, system))) return kTrouble;
    CompareOptions compare = options.compare;
    compare.itemEnd = ItemEnd::AnyLineEnd;
    if (options.encoding == Options::Encoding::Utf8)
        compare.fold = [&system](std::string_view item, std::string& folded) { system.FoldCase(item, folded); };
    const CompareResult result = CompareLists(*texts[0], *texts[1], compare);

    const std::vector<std::string_view>* kept[2] = {&result.left, &result.right};
    for (int side = 0; side < 2; ++side) {
        if (options.outputs[side].empty()) continue;
        std::string lines, reason;
        AppendItemLines(lines, *kept[side], "", system.LineEnd());
        if (!system.WriteFile(options.outputs[side], lines, reason)) {
            system.Complain(kProgram + options.outputs[side] + ": " + reason + "\n");
            return kTrouble;
        }
    }
    // A reader that went away wants no more, and no message either.
    if (!options.quiet && !system.Print(Printed(result, options, system.LineEnd()))) return kTrouble;
    return ExitStatus(result, options.compare.mode);
}

}  // namespace quorvex::cli
