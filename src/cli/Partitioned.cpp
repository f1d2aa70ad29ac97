#include "cli/Partitioned.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "cli/ChunkStore.h"
#include "cli/Merging.h"
#include "compare/BothSides.h"
#include "compare/Collation.h"
#include "compare/KeyHash.h"
#include "compare/TextRoutines.h"

namespace quorvex::cli {
namespace {

// Beyond this a partition is split once more; deeper than this, keys that
// share their hash fill the memory, which no further split can help.
constexpr int kDeepest = 16;
// A partition's table takes up to this many bytes for each byte of its
// records, most for short items: an entry, a slot and the key, and room to
// grow.
constexpr std::uint64_t kTableBytesPerByte = 6;
constexpr std::uint64_t kTableSeed = 0x5851F42D4C957F2Dull;

// The partition of a hash among 2^bits, by its top bits: the tables below
// place keys by their low ones.
std::size_t PartitionOf(std::uint64_t hash, unsigned bits) { return bits == 0 ? 0 : hash >> (64 - bits); }

// The fewest bits that number `count` things.
unsigned BitsFor(std::uint64_t count) {
    unsigned bits = 0;
    while (bits < 63 && (std::uint64_t{1} << bits) < count) ++bits;
    return bits;
}

// The largest power of two up to `value`, which is at least 1.
std::uint64_t PowerOfTwoUpTo(std::uint64_t value) {
    std::uint64_t power = 1;
    while (power <= value / 2) power *= 2;
    return power;
}

// How the items are read, named and matched, as CompareLists does it.
class Rules {
public:
    Rules(const CompareOptions& options, std::uint64_t longestItem) : options_(options), longestItem_(longestItem) {}
    const CompareOptions& Options() const { return options_; }
    std::uint64_t LongestItem() const { return longestItem_; }
    // What an item as stored is shown as, once path mode is known.
    std::string_view Shown(std::string_view stored) const {
        return pathMode_ ? NameOfItem(stored, NameRule::Auto, true) : stored;
    }
    // The text items match by: `text` itself, or folded into `scratch`.
    std::string_view Key(std::string_view text, std::string& scratch) const {
        if (options_.caseRule == CaseRule::Exact) return text;
        scratch.clear();
        if (options_.fold) {
            options_.fold(text, scratch);
        } else {
            scratch.assign(text);
            LowerCaseInPlace(scratch.data(), scratch.size());
        }
        return scratch;
    }
    void SetPathMode(bool on) { pathMode_ = on; }

private:
    const CompareOptions& options_;
    const std::uint64_t longestItem_;
    bool pathMode_ = false;  // under NameRule::Auto, once both lists are read
};

struct Partition {
    std::array<Stream, 2> sides;
};

// What one block of a list gives: its records by partition, how many items
// it held and what it tells of path mode.
struct SplitBlock {
    std::vector<RecordBlock> partitions;
    std::uint64_t held = 0;
    PathModeCheck check;
};

// A block's items coded by partition. Under NameRule::Auto the items are
// stored whole but placed by their names' keys: whether path mode applies
// is known only at the end of both lists, and items that match by name or
// whole match by name.
void Split(int side, std::string_view text, const Rules& rules, unsigned bits, SplitBlock& out) {
    const CompareOptions& options = rules.Options();
    std::string scratch;
    out.partitions.assign(std::size_t{1} << bits, RecordBlock());
    out.held = 0;
    out.check = PathModeCheck();
    for (auto item : SplitItems(text, options.itemEnd, false)) {
        if (options.trim) item = TrimSpaces(item);
        if (side == 0)
            out.check.Left(item);
        else
            out.check.Right();
        if (item.empty()) continue;
        if (item.size() > rules.LongestItem()) throw Trouble(ItemTooLong(rules.LongestItem()));
        if (options.names == NameRule::Always) item = NameOfItem(item, NameRule::Always, true);
        const std::string_view placed = options.names == NameRule::Auto ? NameOfItem(item, NameRule::Auto, true) : item;
        const std::uint64_t hash = Hash64(rules.Key(placed, scratch), 0);
        out.partitions[PartitionOf(hash, bits)].Put(out.held++, item);
    }
}

// The keys of one partition with how often each side holds each, in
// memory that may not grow past a limit. The slots hold entry numbers only,
// so that a partition's table stays small enough for the processor's cache.
class KeyTable {
public:
    struct Entry {
        std::uint64_t hash;
        const char* key;
        std::size_t length;
        std::uint64_t left, right;
    };
    static constexpr std::uint32_t kFull = UINT32_MAX;

    explicit KeyTable(std::uint64_t limit) : limit_(limit) {}

    // Empty again, with room for about `expected` keys; what it held before
    // is kept to be filled again rather than given back to the system.
    void Reset(std::uint64_t expected) {
        // At most an eighth of the limit up front: the estimate may be far off.
        std::size_t slots = 64;
        while (slots * sizeof(std::uint32_t) < limit_ / 8 && slots * 3 < expected * 4) slots *= 2;
        slots_.assign(slots, kFree);
        entries_.clear();
        reserved_ = 0;
        block_ = 0;
        used_ = 0;
    }

    // The number of the entry of `key`, made when new; kFull when the table
    // would pass its limit.
    std::uint32_t Insert(std::string_view key, std::uint64_t hash) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = hash & mask;
        for (; slots_[i] != kFree; i = (i + 1) & mask) {
            const Entry& entry = entries_[slots_[i]];
            if (entry.hash == hash && std::string_view(entry.key, entry.length) == key) return slots_[i];
        }
        if (entries_.size() + 1 >= kFull) return kFull;
        if ((entries_.size() + 1) * 4 > slots_.size() * 3) {
            if (!Grow()) return kFull;
            return Insert(key, hash);
        }
        // A grown array is held beside the old one while the entries move.
        if (entries_.size() == entries_.capacity() &&
            !Fits(2 * std::max<std::size_t>(entries_.capacity(), 16) * sizeof(Entry)))
            return kFull;
        const char* stored = Store(key);
        if (stored == nullptr) return kFull;
        slots_[i] = static_cast<std::uint32_t>(entries_.size());
        entries_.push_back(Entry{hash, stored, key.size(), 0, 0});
        return slots_[i];
    }

    Entry& operator[](std::uint32_t number) { return entries_[number]; }

    // Room for `bytes` more of the caller's, within the limit.
    bool Reserve(std::uint64_t bytes) {
        if (!Fits(bytes)) return false;
        reserved_ += bytes;
        return true;
    }

private:
    bool Fits(std::uint64_t bytes) const { return Used() + bytes <= limit_; }

    static constexpr std::uint32_t kFree = UINT32_MAX;

    std::uint64_t Used() const {
        return slots_.size() * sizeof(std::uint32_t) + entries_.capacity() * sizeof(Entry) + arenaBytes_ + reserved_;
    }

    bool Grow() {
        // The old and the new slots are both held while the entries move.
        if (!Fits(2 * slots_.size() * sizeof(std::uint32_t))) return false;
        std::vector<std::uint32_t>(slots_.size() * 2, kFree).swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (std::uint32_t number = 0; number < entries_.size(); ++number) {
            std::size_t i = entries_[number].hash & mask;
            while (slots_[i] != kFree) i = (i + 1) & mask;
            slots_[i] = number;
        }
        return true;
    }

    // The key's bytes in the table's own blocks, those of an earlier
    // partition taken first.
    const char* Store(std::string_view key) {
        const std::size_t size = static_cast<std::size_t>(std::clamp<std::uint64_t>(limit_ / 8, 256, 1 << 16));
        while (block_ < arena_.size() && arena_[block_].second - used_ < key.size()) {
            ++block_;
            used_ = 0;
        }
        if (block_ == arena_.size()) {
            const std::size_t length = std::max(size, key.size());
            if (!Fits(length)) return nullptr;
            arena_.emplace_back(std::make_unique<char[]>(length), length);
            arenaBytes_ += length;
            used_ = 0;
        }
        char* stored = arena_[block_].first.get() + used_;
        std::memcpy(stored, key.data(), key.size());
        used_ += key.size();
        return stored;
    }

    std::uint64_t limit_;
    std::vector<std::uint32_t> slots_;
    std::vector<Entry> entries_;
    std::vector<std::pair<std::unique_ptr<char[]>, std::size_t>> arena_;  // blocks and their sizes
    std::uint64_t arenaBytes_ = 0, reserved_ = 0;
    std::size_t block_ = 0;  // the block being filled
    std::size_t used_ = 0;   // its bytes taken
};

// One thread's work on partitions: each compared in its share of the
// memory, or split again by another hash until its pieces fit.
class Matcher {
public:
    Matcher(ChunkStore& store, std::size_t file, const Rules& rules, std::uint64_t share, unsigned most)
        : store_(store), pool_(store, file), rules_(rules), table_(share), share_(share), most_(most) {}

    void Process(Partition partition, int level) {
        if (Match(partition)) return;
        if (level >= kDeepest)
            throw Trouble(
                "memory exhausted: too many different items share a hash to compare them in the "
                "memory allowed; try a larger --memory");
        for (Partition& piece : Resplit(partition, level + 1)) Process(std::move(piece), level + 1);
    }

    ChunkPool& Pool() { return pool_; }
    std::array<std::vector<Stream>, 2> kept;  // each in list order
    std::array<std::uint64_t, 2> keptCounts{};

private:
    // False, with the partition as it was, when its keys do not fit.
    bool Match(Partition& partition) {
        const bool keepFound = rules_.Options().mode == CompareMode::Similarities;
        const bool pair = rules_.Options().pair;
        KeyTable& table = table_;
        // Records of short items take about 24 bytes, most of them keys.
        table.Reset((partition.sides[0].size + partition.sides[1].size) / 24);
        std::string scratch;
        Record record;
        const auto entryOf = [&](std::string_view item) {
            const std::string_view key = rules_.Key(rules_.Shown(item), scratch);
            return table.Insert(key, Hash64(key, kTableSeed));
        };
        // Each right item's entry, for the second pass over them; it counts
        // against the table's limit.
        std::vector<std::uint32_t>& rightEntries = rightEntries_;
        rightEntries.clear();
        for (RecordReader right(store_, partition.sides[1]); right.Next(record);) {
            const std::uint32_t entry = entryOf(record.item);
            if (entry == KeyTable::kFull || !table.Reserve(sizeof entry)) return false;
            rightEntries.push_back(entry);
            ++table[entry].right;
        }
        // Each occurrence pairs with the other side's occurrence of the same
        // rank, the first ones first.
        RecordWriter keptLeft(pool_);
        std::uint64_t keptCount[2] = {0, 0};
        for (RecordReader left(store_, partition.sides[0]); left.Next(record);) {
            const std::uint32_t number = entryOf(record.item);
            if (number == KeyTable::kFull) {
                Stream discarded = keptLeft.Close();
                pool_.Give(discarded.chunks);
                return false;
            }
            KeyTable::Entry& entry = table[number];
            const std::uint64_t rank = entry.left++;
            if ((pair ? rank < entry.right : entry.right > 0) == keepFound) {
                keptLeft.Put(record.index, rules_.Shown(record.item));
                ++keptCount[0];
            }
        }
        for (const std::uint32_t number : rightEntries) table[number].right = 0;
        RecordWriter keptRight(pool_);
        RecordReader right(store_, partition.sides[1]);
        for (std::size_t j = 0; right.Next(record); ++j) {
            KeyTable::Entry& entry = table[rightEntries[j]];
            const std::uint64_t rank = entry.right++;
            if ((pair ? rank < entry.left : entry.left > 0) == keepFound) {
                keptRight.Put(record.index, rules_.Shown(record.item));
                ++keptCount[1];
            }
        }
        kept[0].push_back(keptLeft.Close());
        kept[1].push_back(keptRight.Close());
        for (int side = 0; side < 2; ++side) {
            keptCounts[side] += keptCount[side];
            pool_.Give(partition.sides[side].chunks);
        }
        return true;
    }

    // Into enough pieces for each to fit twice over, as many as can be
    // written at once at most.
    std::vector<Partition> Resplit(Partition& partition, int level) {
        const std::uint64_t bytes = partition.sides[0].size + partition.sides[1].size;
        const unsigned fanBits = BitsFor(std::clamp<std::uint64_t>(bytes * kTableBytesPerByte * 2 / share_, 2, most_));
        std::vector<Partition> pieces(std::size_t{1} << fanBits);
        std::string scratch;
        Record record;
        for (int side = 0; side < 2; ++side) {
            std::vector<RecordWriter> writers;
            for (std::size_t i = 0; i < pieces.size(); ++i) writers.emplace_back(pool_);
            for (RecordReader reader(store_, partition.sides[side]); reader.Next(record);) {
                const std::string_view key = rules_.Key(rules_.Shown(record.item), scratch);
                writers[PartitionOf(Hash64(key, static_cast<std::uint64_t>(level)), fanBits)].Put(record.index,
                                                                                                  record.item);
            }
            pool_.Give(partition.sides[side].chunks);
            for (std::size_t i = 0; i < pieces.size(); ++i) pieces[i].sides[side] = writers[i].Close();
        }
        return pieces;
    }

    ChunkStore& store_;
    ChunkPool pool_;
    const Rules& rules_;
    KeyTable table_;
    std::vector<std::uint32_t> rightEntries_;  // within the table's limit
    const std::uint64_t share_;
    const std::uint64_t most_;
};

// Both lists split into 2^bits partitions, the items of each side counted
// and what they tell of path mode told. Blocks of a list are split on all
// threads at once; then each thread writes its own partitions, the blocks
// in list order, so that every partition is in list order too.
std::vector<Partition> SplitLists(std::array<TextBlocks*, 2> lists, const Rules& rules, unsigned bits,
                                  std::vector<std::unique_ptr<Matcher>>& matchers, std::array<std::uint64_t, 2>& held,
                                  PathModeCheck& check) {
    const auto threads = static_cast<unsigned>(matchers.size());
    std::vector<Partition> partitions(std::size_t{1} << bits);
    std::vector<std::string> blocks(threads);
    std::vector<SplitBlock> split(threads);
    std::vector<std::uint64_t> bases(threads);
    for (int side = 0; side < 2; ++side) {
        std::vector<RecordWriter> writers;
        for (std::size_t p = 0; p < partitions.size(); ++p) writers.emplace_back(matchers[p % threads]->Pool());
        for (;;) {
            unsigned count = 0;
            while (count < threads && lists[side]->Next(blocks[count])) ++count;
            if (count == 0) break;
            OnThreads(count, [&](unsigned i) { Split(side, blocks[i], rules, bits, split[i]); });
            for (unsigned i = 0; i < count; ++i) {
                bases[i] = held[side];
                held[side] += split[i].held;
                check.Then(split[i].check);
            }
            OnThreads(threads, [&](unsigned thread) {
                for (std::size_t p = thread; p < partitions.size(); p += threads)
                    for (unsigned i = 0; i < count; ++i) {
                        const RecordBlock& records = split[i].partitions[p];
                        if (!records.Empty())
                            writers[p].PutBlock(bases[i] + records.First(), records.Bytes(), bases[i] + records.Last());
                    }
            });
        }
        for (std::size_t p = 0; p < partitions.size(); ++p) partitions[p].sides[side] = writers[p].Close();
    }
    return partitions;
}

}  // namespace

Tally ComparePartitioned(std::array<TextBlocks*, 2> lists, std::optional<std::uint64_t> size,
                         const CompareOptions& options, const Limits& limits,
                         const std::function<std::unique_ptr<Scratch>()>& newScratch, Report& report) {
    const unsigned threads = std::clamp(limits.threads, 1u, 256u);
    const std::uint64_t memory = limits.memory;
    // Chunks small enough that a quarter of the memory holds the buffers
    // of many streams at once (a reader holds up to two chunks), large
    // enough that the scratch files are read in long runs.
    const std::size_t chunk =
        static_cast<std::size_t>(std::clamp<std::uint64_t>(PowerOfTwoUpTo(memory / 8192 + 1), 1 << 12, 1 << 14));
    const std::uint64_t streamsAtOnce = std::clamp<std::uint64_t>(memory / (8 * chunk), 2, 1 << 16);
    const std::uint64_t share = std::max<std::uint64_t>(memory / (2 * threads), 1 << 12);
    // A table that fits the processor's cache is matched several times
    // faster.
    constexpr std::uint64_t kCacheSized = 2 << 20;
    const std::uint64_t tableBytes = size ? *size * kTableBytesPerByte : UINT64_MAX / 2;
    // At most half as many partitions as streams can be read at once: the
    // two sides' kept items are merged at the same time.
    const unsigned bits =
        std::min(BitsFor(tableBytes / std::min(share, kCacheSized) + 1), BitsFor(PowerOfTwoUpTo(streamsAtOnce / 2)));

    Rules rules(options, LongestItem(memory));
    std::vector<std::unique_ptr<Scratch>> files;
    for (unsigned i = 0; i < threads; ++i) files.push_back(newScratch());
    ChunkStore store(std::move(files), chunk);
    std::vector<std::unique_ptr<Matcher>> matchers;
    for (unsigned i = 0; i < threads; ++i)
        matchers.push_back(std::make_unique<Matcher>(store, i, rules, share, static_cast<unsigned>(streamsAtOnce)));
    Tally tally;
    PathModeCheck check;
    std::vector<Partition> partitions = SplitLists(lists, rules, bits, matchers, tally.held, check);
    rules.SetPathMode(options.names == NameRule::Auto && check.Applies());

    std::atomic<std::size_t> next{0};
    OnThreads(threads, [&](unsigned i) {
        for (std::size_t p; (p = next.fetch_add(1)) < partitions.size();)
            matchers[i]->Process(std::move(partitions[p]), 0);
    });
    ChunkPool pool(store, 0);
    std::array<std::vector<Stream>, 2> kept;
    for (auto& matcher : matchers) {
        for (int side = 0; side < 2; ++side) {
            tally.kept[side] += matcher->keptCounts[side];
            for (Stream& stream : matcher->kept[side]) kept[side].push_back(std::move(stream));
        }
        pool.Adopt(matcher->Pool());  // the chunks the matchers freed serve the merge
    }
    matchers.clear();

    // Each side's items in list order, or sorted. With a second thread, the
    // right side is ordered on it meanwhile into a stream of its own, which
    // is then read out after the left side.
    const bool wanted[2] = {report.WantsItems(0), report.WantsItems(1)};
    const bool aside = threads > 1 && wanted[0] && wanted[1];
    const std::uint64_t orderMemory = aside ? memory / 4 : memory / 2;
    ChunkPool asidePool(store, 1 % store.Files());
    const std::size_t fanIn = static_cast<std::size_t>(aside ? streamsAtOnce / 2 : streamsAtOnce);
    const auto order = [&](int side, ChunkPool& chunks, const std::function<void(const Record&)>& emit) {
        if (options.sort)
            MergeGroup(Fewer(SortedRuns(kept[side], orderMemory, chunks), ByText, fanIn, chunks), ByText, chunks, emit);
        else
            MergeByIndex(Fewer(std::move(kept[side]), ByIndex, fanIn, chunks), tally.held[side], tally.kept[side],
                         orderMemory / 4, chunks, emit);
    };
    Stream right;
    if (options.sort) SortKeysAgree();  // settled before the sides sort on two threads
    OnThreads(aside ? 2 : 1, [&](unsigned thread) {
        if (thread == 1) {
            RecordWriter ordered(asidePool);
            std::uint64_t count = 0;
            order(1, asidePool, [&](const Record& record) { ordered.Put(count++, record.item); });
            right = ordered.Close();
            return;
        }
        report.BeginSide(0, tally.held[0], tally.kept[0]);
        if (wanted[0]) order(0, pool, [&](const Record& record) { report.Item(0, record.item); });
    });
    report.BeginSide(1, tally.held[1], tally.kept[1]);
    if (aside) {
        Record record;
        for (RecordReader reader(store, std::move(right)); reader.Next(record);) report.Item(1, record.item);
    } else if (wanted[1]) {
        order(1, pool, [&](const Record& record) { report.Item(1, record.item); });
    }
    tally.scratchBytes = store.BytesUsed();
    return tally;
}

}  // namespace quorvex::cli
