#include "cli/Run.h"

#include <algorithm>
#include <array>
#include <new>
#include <utility>

#include "cli/Input.h"
#include "cli/Options.h"
#include "cli/Partitioned.h"
#include "cli/Report.h"
#include "compare/BothSides.h"

namespace quorvex::cli {
namespace {

const char kProgram[] = "quorvex-compare: ";
const char kMemoryExhausted[] =
    "memory exhausted; try --memory with less than the system has free, so that the lists are compared in pieces "
    "on disk";

// The comparison in memory takes at most about this many bytes per byte of
// its inputs (2.6 measured; 3.6 with a folded copy or sort keys).
std::uint64_t InMemoryFactor(const CompareOptions& options) {
    return options.caseRule == CaseRule::Folded || options.sort ? 4 : 3;
}

// A folder's listing, read as a file is.
class TextInput final : public Input {
public:
    explicit TextInput(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t taken = std::min(size, text_.size() - read_);
        std::copy_n(text_.data() + read_, taken, buffer);
        read_ += taken;
        return taken;
    }
    std::optional<std::uint64_t> Size() const override { return text_.size() - read_; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    std::size_t read_ = 0;
};

struct Side {
    bool folder = false;
    std::unique_ptr<Input> input;
    std::string start;   // bytes read already
    bool ended = false;  // `start` (or `mapped`) holds the whole input
    std::optional<std::string_view> mapped;
    std::size_t itemStart = 0;  // in `start`, after the last separator
};

Side OpenSide(const std::string& path, const Options& options, System& system) {
    Side side;
    if (path != "-" && system.IsFolder(path)) {
        if (!system.Folders().Entries(path)) throw Trouble(path + ": cannot read the folder");
        side.folder = true;
        // Zero bytes end the lines with -z, so that a name with a line end
        // stays whole.
        const std::string_view lineEnd =
            options.compare.itemEnd == ItemEnd::Nul ? std::string_view("\0", 1) : std::string_view("\r\n");
        side.input = std::make_unique<TextInput>(WalkFolderTree(
            path, "", [&options] { return options.recursive; }, system.Folders(), lineEnd));
        return side;
    }
    side.input = path == "-" ? system.StandardInput() : system.OpenFile(path);
    return side;
}

// Reads on until `limit` bytes are held or the input ends. An input that
// tells no size may never end (a device): an item longer than any that can
// be compared is trouble as soon as it is read.
void ReadUpTo(Side& side, std::uint64_t limit, ItemEnd end, std::uint64_t longestItem) {
    if (side.ended) return;
    constexpr std::size_t kPiece = 1 << 20;
    while (side.start.size() < limit) {
        // One read of a file whose size is known, pieces otherwise.
        const auto size = side.input->Size();
        const std::uint64_t want = std::min<std::uint64_t>(limit - side.start.size(), size ? *size + 1 : kPiece);
        const std::size_t held = side.start.size();
        side.start.resize(held + static_cast<std::size_t>(want));
        const std::size_t read = side.input->Read(side.start.data() + held, static_cast<std::size_t>(want));
        side.start.resize(held + read);
        if (read == 0) {
            side.ended = true;
            return;
        }
        if (size) continue;
        const std::string_view piece = std::string_view(side.start).substr(held);
        const std::size_t last = end == ItemEnd::Nul ? piece.rfind('\0') : piece.find_last_of("\r\n");
        if (last != std::string_view::npos) side.itemStart = held + last + 1;
        if (side.start.size() - side.itemStart > longestItem) throw Trouble(ItemTooLong(longestItem));
    }
}

// The comparison in memory: both texts whole, the kept items pointing into
// them.
std::array<std::uint64_t, 2> CompareInMemory(std::array<Side, 2>& sides, const CompareOptions& options, Report& report,
                                             std::array<std::uint64_t, 2>& held) {
    std::string decoded[2];
    std::string_view texts[2];
    for (int side = 0; side < 2; ++side) {
        Side& s = sides[side];
        // Most inputs have no mark: they are compared where they lie, mapped
        // or read, with no copy.
        const std::string_view bytes = s.mapped ? *s.mapped : std::string_view(s.start);
        const auto asItStands = s.folder ? std::nullopt : TextAsItStands(bytes);
        if (!asItStands) decoded[side] = s.folder ? static_cast<TextInput&>(*s.input).Take() : DecodedText(bytes);
        texts[side] = asItStands ? *asItStands : std::string_view(decoded[side]);
    }
    const CompareResult result = CompareLists(texts[0], texts[1], options);
    const std::vector<std::string_view>* kept[2] = {&result.left, &result.right};
    held = {result.heldLeft, result.heldRight};
    for (int side = 0; side < 2; ++side) {
        report.BeginSide(side, held[side], kept[side]->size());
        if (report.WantsItems(side))
            for (const auto item : *kept[side]) report.Item(side, item);
    }
    return {result.left.size(), result.right.size()};
}

// Whether both lists fit in memory for the comparison there: then both are
// read whole, files mapped where they can be. An input that tells no size
// is read until it ends or no longer fits.
bool ReadWholeIfTheyFit(std::array<Side, 2>& sides, std::uint64_t memory, const CompareOptions& compare,
                        unsigned threads) {
    std::uint64_t room = memory / InMemoryFactor(compare), known = 0;
    for (Side& side : sides) known += side.input->Size().value_or(0);
    if (known > room) return false;
    room -= known;
    for (Side& side : sides) {
        if (side.input->Size()) continue;
        ReadUpTo(side, room + 1, compare.itemEnd, LongestItem(memory));
        if (!side.ended) return false;
        room -= std::min<std::uint64_t>(room, side.start.size());
    }
    // Reading a file takes fresh memory, and the system's first touch of
    // fresh memory costs more than the reading; a file that cannot be mapped
    // is read on a thread of its own, as two processors share that cost.
    for (Side& side : sides)
        if (!side.folder && side.start.empty() && (side.mapped = side.input->Mapped())) side.ended = true;
    const unsigned readers = threads > 1 ? 2 : 1;
    OnThreads(readers, [&](unsigned first) {
        for (unsigned side = first; side < 2; side += readers)
            if (!sides[side].folder && !sides[side].mapped)
                ReadUpTo(sides[side], UINT64_MAX, compare.itemEnd, LongestItem(memory));
    });
    return true;
}

// The comparison of lists too large for memory, in pieces in scratch files.
Tally CompareInPieces(std::array<Side, 2>& sides, std::uint64_t memory, const CompareOptions& compare, unsigned threads,
                      const std::string& temporaryFolder, System& system, Report& report) {
    std::optional<std::uint64_t> size = 0;
    for (Side& side : sides) {
        const auto rest = side.input->Size();
        size = size && rest ? std::optional(*size + *rest + side.start.size()) : std::nullopt;
    }
    const auto block = static_cast<std::size_t>(std::clamp<std::uint64_t>(memory / 16 / threads, 1 << 12, 8 << 20));
    std::array<std::unique_ptr<TextBlocks>, 2> lists;
    for (int side = 0; side < 2; ++side)
        lists[side] = std::make_unique<TextBlocks>(std::move(sides[side].start), *sides[side].input,
                                                   !sides[side].folder, compare.itemEnd, block, LongestItem(memory));
    const auto newScratch = [&] { return system.CreateScratch(temporaryFolder); };
    return ComparePartitioned({lists[0].get(), lists[1].get()}, size, compare, Limits{memory, threads}, newScratch,
                              report);
}

// The window takes two files or two folders, not standard input, and none
// of the options, which it has its own controls for.
int OpenInWindow(const Options& options, System& system) {
    for (const std::string& input : options.inputs) {
        std::string reason;
        if (input != "-" && !system.Exists(input, reason)) throw Trouble(input + ": " + reason);
    }
    const bool folders = system.IsFolder(options.inputs[0]);
    std::string reason = "the window takes two files or two folders";
    if (options.inputs[0] != "-" && options.inputs[1] != "-" && system.IsFolder(options.inputs[1]) == folders &&
        system.OpenInWindow(options.inputs[0], options.inputs[1], folders, reason))
        return 0;
    throw Trouble(reason);
}

int Compare(const Options& options, System& system) {
    if (options.gui) return OpenInWindow(options, system);
    // Outputs are refused before anything is read. "-" is standard output,
    // which is then written as a file is and prints nothing else.
    std::array<std::unique_ptr<Output>, 2> files;
    std::array<Output*, 2> outputs{};
    for (int side = 0; side < 2; ++side) {
        const std::string& path = options.outputs[side];
        if (path == "-")
            outputs[side] = &system.StandardOutput();
        else if (!path.empty())
            outputs[side] = (files[side] = system.PrepareOutput(path)).get();
    }
    const bool outputIsPrinted = options.outputs[0] == "-" || options.outputs[1] == "-";
    Report report(options, options.quiet || outputIsPrinted ? nullptr : &system.StandardOutput(), outputs,
                  system.LineEnd());

    const std::uint64_t memory = options.memory ? options.memory : system.AvailableMemory() / 4 * 3;
    const unsigned threads = options.threads ? options.threads : std::max(1u, system.Processors());
    CompareOptions compare = options.compare;
    compare.twoThreads = threads > 1;
    if (options.encoding == Options::Encoding::Utf8 && compare.caseRule == CaseRule::Folded)
        compare.fold = [&system](std::string_view item, std::string& folded) { system.FoldCase(item, folded); };

    std::array<Side, 2> sides;
    for (int side = 0; side < 2; ++side) sides[side] = OpenSide(options.inputs[side], options, system);
    std::array<std::uint64_t, 2> held{}, kept{};
    if (ReadWholeIfTheyFit(sides, memory, compare, threads)) {
        kept = CompareInMemory(sides, compare, report, held);
    } else {
        const Tally tally = CompareInPieces(sides, memory, compare, threads, options.temporaryFolder, system, report);
        held = tally.held;
        kept = tally.kept;
    }
    report.Finish();
    for (auto& file : files)
        if (file) file->Commit();
    if (report.StandardOutputClosed()) return kClosedPipe;
    return ExitStatus(held, kept, options.compare.mode);
}

}  // namespace

int Run(const std::vector<std::string>& arguments, System& system) {
    const Parsed parsed = ParseArguments(arguments);
    if (!parsed.error.empty()) {
        system.Complain(kProgram + parsed.error + "\nTry 'quorvex-compare --help' for more information.\n");
        return kTrouble;
    }
    const Options& options = parsed.options;
    try {
        if (options.action == Options::Action::Help) {
            system.StandardOutput().Write(kUsage);
            return 0;
        }
        if (options.action == Options::Action::Version) {
            system.StandardOutput().Write("quorvex-compare (Quorvex) " QUORVEX_VERSION "\n");
            return 0;
        }
        return Compare(options, system);
    } catch (const Trouble& trouble) {
        system.Complain(kProgram + std::string(trouble.what()) + "\n");
    } catch (const ClosedPipe&) {
        return kClosedPipe;
    } catch (const std::bad_alloc&) {
        system.Complain(kProgram + std::string(kMemoryExhausted) + "\n");
    } catch (const std::length_error&) {
        system.Complain(kProgram + std::string(kMemoryExhausted) + "\n");
    } catch (const std::exception& failure) {
        // Nothing else is thrown on purpose; still, no abort.
        system.Complain(kProgram + std::string(failure.what()) + "\n");
    }
    return kTrouble;
}

}  // namespace quorvex::cli
