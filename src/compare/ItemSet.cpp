#include "compare/ItemSet.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quorvex {
namespace {

constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;

// Lookups run in batches: hash a batch and prefetch every home slot first, so
// that the cache misses of a batch overlap instead of following one another.
constexpr std::size_t kBatch = 16;

inline void Prefetch(const void* address) { __builtin_prefetch(address); }

}  // namespace

ItemSet::ItemSet(const KeyedItems& items) : items_(items) {
    if (items.size() >= kFree) throw std::length_error("too many items for one set");
    std::size_t capacity = 16;
    while (capacity / 2 < items.size()) capacity *= 2;  // load factor at most 1/2
    slots_.assign(capacity, Slot{kFree, 0});
    mask_ = capacity - 1;
    std::uint64_t hashes[kBatch];
    for (std::size_t start = 0; start < items.size(); start += kBatch) {
        const std::size_t n = std::min(kBatch, items.size() - start);
        for (std::size_t k = 0; k < n; ++k) {
            hashes[k] = Hash(items.Key(start + k));
            Prefetch(&slots_[Home(hashes[k])]);
        }
        for (std::size_t k = 0; k < n; ++k) Insert(static_cast<std::uint32_t>(start + k), hashes[k]);
    }
}

std::uint64_t ItemSet::Hash(std::string_view key) {
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
    h ^= h >> 32;
    return h;
}

void ItemSet::Insert(std::uint32_t index, std::uint64_t hash) {
    const std::string_view key = items_.Key(index);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.index == kFree) {
            slot = Slot{index, tag};
            return;
        }
        if (slot.hashTag == tag && items_.Key(slot.index) == key) return;  // a duplicate needs no slot
    }
}

bool ItemSet::Find(std::string_view key, std::uint64_t hash) const {
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
        const Slot& slot = slots_[i];
        if (slot.index == kFree) return false;
        if (slot.hashTag == tag && items_.Key(slot.index) == key) return true;
    }
}

bool ItemSet::Contains(std::string_view key) const { return Find(key, Hash(key)); }

void ItemSet::FindEach(const KeyedItems& items, std::vector<char>& found) const {
    found.resize(items.size());
    std::uint64_t hashes[kBatch];
    for (std::size_t start = 0; start < items.size(); start += kBatch) {
        const std::size_t n = std::min(kBatch, items.size() - start);
        for (std::size_t k = 0; k < n; ++k) {
            hashes[k] = Hash(items.Key(start + k));
            Prefetch(&slots_[Home(hashes[k])]);
        }
        for (std::size_t k = 0; k < n; ++k) found[start + k] = Find(items.Key(start + k), hashes[k]);
    }
}

}  // namespace quorvex
