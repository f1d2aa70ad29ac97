// The comparison engine on two generated lists of about 20-byte items, half of
// them shared, and as a reference the same lists through sort and comm.
// Run: build/native/bench/compare_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "CountedAllocations.h"
#include "compare/CompareEngine.h"
#include "sources/Drops.h"

using counted::liveBytes;
using counted::peakBytes;

namespace {

using quorvex::CaseRule;
using quorvex::CompareMode;

struct ListPair {
    std::string left;
    std::string right;
};

// Items like "Q3f9a07c21-0000123.txt": shared items appear on both sides, the
// rest are distinct; each side in its own shuffled order.
const ListPair& Lists(std::size_t items) {
    static std::size_t cachedSize = 0;
    static ListPair cached;
    if (cachedSize == items) return cached;
    std::mt19937_64 random(items);
    std::vector<std::string> left, right;
    left.reserve(items);
    right.reserve(items);
    char buffer[64];
    for (std::size_t i = 0; i < items; ++i) {
        std::snprintf(buffer, sizeof buffer, "Q%08llx-%07zu.txt", static_cast<unsigned long long>(random() >> 32), i);
        if (i % 2 == 0) {
            left.emplace_back(buffer);
            right.emplace_back(buffer);
        } else {
            left.emplace_back(buffer);
            buffer[0] = 'R';
            right.emplace_back(buffer);
        }
    }
    std::shuffle(left.begin(), left.end(), random);
    std::shuffle(right.begin(), right.end(), random);
    cached = {};
    for (const auto& s : left) cached.left += s + "\r\n";
    for (const auto& s : right) cached.right += s + "\r\n";
    cachedSize = items;
    return cached;
}

void BM_Compare(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const quorvex::CompareOptions options{state.range(1) ? CompareMode::Differences : CompareMode::Similarities,
                                          state.range(2) ? CaseRule::Folded : CaseRule::Exact, state.range(3) != 0};
    const ListPair& lists = Lists(items);
    std::size_t kept = 0;
    for (auto _ : state) {
        const auto result = quorvex::CompareLists(lists.left, lists.right, options);
        kept = result.left.size() + result.right.size();
        benchmark::DoNotOptimize(kept);
    }
    state.counters["kept"] = static_cast<double>(kept);
    // One more comparison, outside the timing: the most it held at once, the
    // result included, against the bytes of the two texts.
    const std::size_t before = liveBytes;
    peakBytes = before;
    quorvex::CompareLists(lists.left, lists.right, options);
    state.counters["peak/texts"] =
        static_cast<double>(peakBytes - before) / static_cast<double>(lists.left.size() + lists.right.size());
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * items * 2));
}

BENCHMARK(BM_Compare)
    ->ArgNames({"items", "differences", "folded", "sort"})
    ->ArgsProduct({{32768, 1000000}, {0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The lists of one size as files "left" and "right" (LF line ends) in a
// temporary folder, written outside the timed loop when the size changes and
// removed with the next size or at exit, so the loop only runs the tools.
struct ListFiles {
    std::size_t items = 0;
    std::filesystem::path dir;
    ~ListFiles() { Remove(); }
    void Remove() {
        if (!dir.empty()) std::filesystem::remove_all(dir);
        dir.clear();
    }
};

const std::filesystem::path& Files(std::size_t items) {
    static ListFiles files;
    if (files.items == items && !files.dir.empty()) return files.dir;
    files.Remove();
    std::string name = (std::filesystem::temp_directory_path() / "quorvex-bench-XXXXXX").string();
    if (!mkdtemp(name.data())) return files.dir;  // empty: the case reports an error
    files.items = items;
    files.dir = name;
    const ListPair& lists = Lists(items);
    for (const auto& [file, text] : {std::pair{"left", &lists.left}, std::pair{"right", &lists.right}}) {
        std::string lf;
        lf.reserve(text->size());
        std::remove_copy(text->begin(), text->end(), std::back_inserter(lf), '\r');
        std::ofstream(files.dir / file, std::ios::binary) << lf;
    }
    return files.dir;
}

// What the engine does for unsorted, exact-case comparisons, done by the Unix
// tools: both lists sorted in byte order, then comm keeps the shared lines
// (-12) or the lines of either side that the other lacks (-3).
void BM_SortComm(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path& dir = Files(items);
    if (dir.empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string command = "cd '" + dir.string() +
                                "' && LC_ALL=C sort left > l.sorted && LC_ALL=C sort right > r.sorted"
                                " && LC_ALL=C comm " +
                                (state.range(1) ? "-3" : "-12") + " l.sorted r.sorted > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("sort or comm failed");
            break;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * items * 2));
}

// The work happens in child processes, so only wall-clock time means anything.
BENCHMARK(BM_SortComm)
    ->ArgNames({"items", "differences"})
    ->ArgsProduct({{32768, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

// A drop of 10,000 names onto a pane of 10,000 lines, half of the names
// already there in another letter case.
void BM_DropNames(benchmark::State& state) {
    std::string text;
    std::vector<std::string> paths;
    for (int i = 0; i < 10000; ++i) {
        text += "Name-" + std::to_string(i) + ".txt\r\n";
        paths.push_back("C:\\dropped\\name-" + std::to_string(i + 5000) + ".TXT");
    }
    for (auto _ : state) benchmark::DoNotOptimize(quorvex::TextWithDroppedNames(text, paths));
}

BENCHMARK(BM_DropNames)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
