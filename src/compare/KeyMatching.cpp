#include "compare/KeyMatching.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "compare/KeyHash.h"

namespace quorvex {
namespace {

struct Entry {
    std::uint32_t hash;
    std::uint32_t index;
};

// A side's items grouped by bucket (the top bits of the hash), in list order
// within each: the bucket b's entries are entries[starts[b]] up to
// entries[starts[b + 1]].
struct Buckets {
    Buckets(const std::vector<std::uint32_t>& hashes, unsigned bits) : starts((std::size_t{1} << bits) + 1, 0) {
        const auto bucket = [bits](std::uint32_t hash) { return bits == 0 ? 0 : hash >> (32 - bits); };
        for (const std::uint32_t hash : hashes) ++starts[bucket(hash) + 1];
        for (std::size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
        std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
        entries.resize(hashes.size());
        for (std::uint32_t i = 0; i < hashes.size(); ++i) entries[next[bucket(hashes[i])]++] = Entry{hashes[i], i};
    }
    std::vector<Entry> entries;
    std::vector<std::uint32_t> starts;
};

// One bucket's left keys in a table of their own, each held by its first
// item; then its right items looked up there. The table's slots hold
// positions among the bucket's left entries, kNoItem when free.
void MatchBucket(const KeyedItems& left, const Entry* leftEntries, std::size_t leftCount, const KeyedItems& right,
                 const Entry* rightEntries, std::size_t rightCount, std::vector<std::uint32_t>& table,
                 std::vector<std::uint32_t>& leftFirst, std::vector<std::uint32_t>& rightFoundAt) {
    std::size_t size = 16;
    while (size < leftCount * 2) size *= 2;
    table.assign(size, kNoItem);
    const std::size_t mask = size - 1;
    for (std::uint32_t k = 0; k < leftCount; ++k) {
        const Entry& entry = leftEntries[k];
        for (std::size_t slot = entry.hash & mask;; slot = (slot + 1) & mask) {
            if (table[slot] == kNoItem) {
                table[slot] = k;
                leftFirst[entry.index] = entry.index;
                break;
            }
            const Entry& held = leftEntries[table[slot]];
            if (held.hash == entry.hash && left.Key(held.index) == left.Key(entry.index)) {
                leftFirst[entry.index] = held.index;  // a repeat: the first one holds the key
                break;
            }
        }
    }
    for (std::size_t k = 0; k < rightCount; ++k) {
        const Entry& entry = rightEntries[k];
        std::uint32_t found = kNoItem;
        for (std::size_t slot = entry.hash & mask; table[slot] != kNoItem; slot = (slot + 1) & mask) {
            const Entry& held = leftEntries[table[slot]];
            if (held.hash == entry.hash && left.Key(held.index) == right.Key(entry.index)) {
                found = held.index;
                break;
            }
        }
        rightFoundAt[entry.index] = found;
    }
}

}  // namespace

std::vector<std::uint32_t> KeyHashes(const KeyedItems& items) {
    std::vector<std::uint32_t> hashes(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) hashes[i] = static_cast<std::uint32_t>(Hash64(items.Key(i)) >> 32);
    return hashes;
}

void MatchKeys(const KeyedItems& left, const std::vector<std::uint32_t>& leftHashes, const KeyedItems& right,
               const std::vector<std::uint32_t>& rightHashes, std::vector<std::uint32_t>& leftFirst,
               std::vector<std::uint32_t>& rightFoundAt,
               const std::function<void(const std::function<void(int)>&)>& eachHalf) {
    if (left.size() >= kNoItem || right.size() >= kNoItem) throw std::length_error("too many items to match");
    // About a thousand left items a bucket: its table and entries stay in
    // the processor's nearest caches.
    unsigned bits = 0;
    while (bits < 16 && (left.size() >> bits) > 1024) ++bits;
    // Each side grouped on a thread of its own.
    std::unique_ptr<Buckets> sides[2];
    eachHalf([&](int side) { sides[side] = std::make_unique<Buckets>(side == 0 ? leftHashes : rightHashes, bits); });
    // The buckets shared out by halves: no two touch the same item.
    eachHalf([&](int half) {
        std::vector<std::uint32_t> table;
        for (std::size_t b = static_cast<std::size_t>(half); b + 1 < sides[0]->starts.size(); b += 2) {
            const std::uint32_t* l = sides[0]->starts.data() + b;
            const std::uint32_t* r = sides[1]->starts.data() + b;
            MatchBucket(left, sides[0]->entries.data() + l[0], l[1] - l[0], right, sides[1]->entries.data() + r[0],
                        r[1] - r[0], table, leftFirst, rightFoundAt);
        }
    });
}

}  // namespace quorvex
