// A comparison of lists too large for memory. Both lists are split by the
// hash of each item's key into partitions kept in a scratch file, so that
// items that match always share a partition; each partition is compared
// alone, within its share of the memory (one too large for it is split
// again); and the kept items are merged back into list order, or sorted, for
// the report. The result is the same, byte for byte, as the comparison in
// memory (CompareLists) under the same options.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/Report.h"
#include "cli/System.h"
#include "cli/TextBlocks.h"
#include "compare/CompareEngine.h"

namespace quorvex::cli {

struct Limits {
    std::uint64_t memory = 0;
    unsigned threads = 1;
};

struct Tally {
    std::array<std::uint64_t, 2> held{};
    std::array<std::uint64_t, 2> kept{};
    std::uint64_t scratchBytes = 0;  // the size the scratch file reached
};

// Compares the lists and gives each side's counts and kept items to the
// report (whose Finish is left to the caller). `size` is the bytes of both
// inputs, where known: it decides how many partitions to start with. Takes
// the options quorvex-compare takes for lines: the last separator only ends
// the last item, folder lines keep their names, ties sort by bytes.
// `newScratch` makes a scratch file: one for each thread.
Tally ComparePartitioned(std::array<TextBlocks*, 2> lists, std::optional<std::uint64_t> size,
                         const CompareOptions& options, const Limits& limits,
                         const std::function<std::unique_ptr<Scratch>()>& newScratch, Report& report);

}  // namespace quorvex::cli
