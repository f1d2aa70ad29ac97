// A set of list items for membership tests: open addressing with linear
// probing over item indexes, so that building it copies no text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvex {

// Items that view a text, matched by the same spans of a key text of the same
// length: the text itself, or a copy of it with each byte mapped in place.
class KeyedItems {
public:
    KeyedItems(const std::vector<std::string_view>& items, std::string_view text, const char* keyText)
        : items_(items), text_(text.data()), keyText_(keyText) {}

    std::size_t size() const { return items_.size(); }
    std::string_view Key(std::size_t i) const {
        return {keyText_ + (items_[i].data() - text_), items_[i].size()};
    }

private:
    const std::vector<std::string_view>& items_;
    const char* text_;
    const char* keyText_;
};

class ItemSet {
public:
    // Holds the keys of all `items`, which must outlive the set.
    explicit ItemSet(const KeyedItems& items);

    bool Contains(std::string_view key) const;

    // found[i] tells whether the set holds items.Key(i), for every i; the
    // memory accesses of neighbouring lookups overlap.
    void FindEach(const KeyedItems& items, std::vector<char>& found) const;

private:
    struct Slot {
        std::uint32_t index;    // into items_, kFree when unused
        std::uint32_t hashTag;  // high hash bits, to skip most compares
    };
    static constexpr std::uint32_t kFree = UINT32_MAX;

    static std::uint64_t Hash(std::string_view key);
    std::size_t Home(std::uint64_t hash) const { return static_cast<std::size_t>(hash) & mask_; }
    void Insert(std::uint32_t index, std::uint64_t hash);
    bool Find(std::string_view key, std::uint64_t hash) const;

    const KeyedItems& items_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

}  // namespace quorvex
