// A set of list items for membership tests: open addressing with linear
// probing over item indexes, so that building it copies no text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvex {

// Items matched by their keys: the same spans of a key text of the same
// length as the text the items view (the text itself, or a copy of it with
// each byte mapped in place), or keys of their own.
class KeyedItems {
public:
    KeyedItems(const std::vector<std::string_view>& items, std::string_view text, const char* keyText)
        : items_(items), text_(text.data()), keyText_(keyText) {}
    explicit KeyedItems(const std::vector<std::string_view>& keys) : items_(keys) {}

    std::size_t size() const { return items_.size(); }
    std::string_view Key(std::size_t i) const {
        if (keyText_ == nullptr) return items_[i];
        return {keyText_ + (items_[i].data() - text_), items_[i].size()};
    }

private:
    const std::vector<std::string_view>& items_;
    const char* text_ = nullptr;
    const char* keyText_ = nullptr;
};

// Hash(Key(i)) for every item.
std::vector<std::uint32_t> KeyHashes(const KeyedItems& items);

// Each distinct key of one half of the items once, held by the first item
// that has it. The halves split the keys by their hash, so that two threads
// can each build and search one half without touching the other's.
class ItemSet {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Holds the keys of the items of half `half` (0 or 1); `items` and
    // `hashes` must outlive the set. For those items, first[i] becomes the
    // index of the first item whose key equals item i's; `first` must have
    // one element per item.
    ItemSet(const KeyedItems& items, const std::vector<std::uint32_t>& hashes, int half,
            std::vector<std::uint32_t>& first);

    // For every item of `others` in this set's half, found[j] becomes the
    // index of the first item holding its key, or kNone. The memory accesses
    // of neighbouring lookups overlap.
    void FindEach(const KeyedItems& others, const std::vector<std::uint32_t>& hashes,
                  std::vector<std::uint32_t>& found) const;

private:
    struct Slot {
        std::uint32_t index;  // into items_, kNone when unused
        std::uint32_t hash;   // compared first, to skip most compares of keys
    };

    // The top bit chooses the half, the low bits the home slot.
    bool InHalf(std::uint32_t hash) const { return static_cast<int>(hash >> 31) == half_; }
    std::size_t Home(std::uint32_t hash) const { return hash & mask_; }
    std::uint32_t Insert(std::uint32_t index, std::uint32_t hash);
    std::uint32_t Find(std::string_view key, std::uint32_t hash) const;

    const KeyedItems& items_;
    int half_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

}  // namespace quorvex
