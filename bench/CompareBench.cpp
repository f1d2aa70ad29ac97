// The comparison engine on two generated lists of about 20-byte items, half of
// them shared. Run: build/native/bench/compare_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "compare/CompareEngine.h"

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
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * items * 2));
}

BENCHMARK(BM_Compare)
    ->ArgNames({"items", "differences", "folded", "sort"})
    ->ArgsProduct({{32768, 1000000}, {0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
