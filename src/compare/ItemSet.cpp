#include "compare/ItemSet.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quorvex {
namespace {

constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;

// Work runs in batches: prefetch the home slots of a batch first, so that the
// cache misses of a batch overlap instead of following one another.
constexpr std::size_t kBatch = 16;

inline void Prefetch(const void* address) { __builtin_prefetch(address); }

std::uint32_t Hash(std::string_view key) {
    std::uint64_t h = key.size() * kMul;
    const char* p = key.data();
    std::size_t n = key.size();
    while (n >= 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, p, 8);
        h = (h ^ chunk) * kMul;
        h ^= h >> 29;
        p += 8;
        n -= 8;
    }
    if (n > 0) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, p, n);
        h = (h ^ chunk) * kMul;
    }
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    return static_cast<std::uint32_t>(h >> 32);
}

}  // namespace

std::vector<std::uint32_t> KeyHashes(const KeyedItems& items) {
    std::vector<std::uint32_t> hashes(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) hashes[i] = Hash(items.Key(i));
    return hashes;
}

ItemSet::ItemSet(const KeyedItems& items, const std::vector<std::uint32_t>& hashes, int half,
                 std::vector<std::uint32_t>& first)
    : items_(items), half_(half) {
    if (items.size() >= kNone) throw std::length_error("too many items for one set");
    const auto count = static_cast<std::size_t>(
        std::count_if(hashes.begin(), hashes.end(), [this](std::uint32_t hash) { return InHalf(hash); }));
    // A load of at most 3/4: with each slot holding its hash, a fuller table
    // costs few compares of keys, and the table is a large part of what a
    // comparison holds.
    std::size_t capacity = 16;
    while (capacity / 4 * 3 < count) capacity *= 2;
    slots_.assign(capacity, Slot{kNone, 0});
    mask_ = capacity - 1;
    for (std::size_t start = 0; start < items.size(); start += kBatch) {
        const std::size_t end = std::min(start + kBatch, items.size());
        for (std::size_t i = start; i < end; ++i)
            if (InHalf(hashes[i])) Prefetch(&slots_[Home(hashes[i])]);
        for (std::size_t i = start; i < end; ++i)
            if (InHalf(hashes[i])) first[i] = Insert(static_cast<std::uint32_t>(i), hashes[i]);
    }
}

std::uint32_t ItemSet::Insert(std::uint32_t index, std::uint32_t hash) {
    const std::string_view key = items_.Key(index);
    for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.index == kNone) {
            slot = Slot{index, hash};
            return index;
        }
        if (slot.hash == hash && items_.Key(slot.index) == key) return slot.index;  // a duplicate needs no slot
    }
}

std::uint32_t ItemSet::Find(std::string_view key, std::uint32_t hash) const {
    for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
        const Slot& slot = slots_[i];
        if (slot.index == kNone) return kNone;
        if (slot.hash == hash && items_.Key(slot.index) == key) return slot.index;
    }
}

void ItemSet::FindEach(const KeyedItems& others, const std::vector<std::uint32_t>& hashes,
                       std::vector<std::uint32_t>& found) const {
    for (std::size_t start = 0; start < others.size(); start += kBatch) {
        const std::size_t end = std::min(start + kBatch, others.size());
        for (std::size_t j = start; j < end; ++j)
            if (InHalf(hashes[j])) Prefetch(&slots_[Home(hashes[j])]);
        for (std::size_t j = start; j < end; ++j)
            if (InHalf(hashes[j])) found[j] = Find(others.Key(j), hashes[j]);
    }
}

}  // namespace quorvex
