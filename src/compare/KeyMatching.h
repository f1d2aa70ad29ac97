// Which items of two lists share a key: the items are grouped by their
// keys' hashes into buckets small enough for the processor's cache, and each
// bucket matched alone, so that matching reads memory in long runs rather
// than jumping about a table as large as the lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

constexpr std::uint32_t kNoItem = UINT32_MAX;

// For each left item, leftFirst[i] becomes the index of the first left item
// with its key (itself when it is the first); for each right item,
// rightFoundAt[j] the index of the first left item with its key, or kNoItem.
// `hashes` are the KeyHashes of each side. `eachHalf` runs its work for
// halves 0 and 1, on two threads or one after the other.
void MatchKeys(const KeyedItems& left, const std::vector<std::uint32_t>& leftHashes, const KeyedItems& right,
               const std::vector<std::uint32_t>& rightHashes, std::vector<std::uint32_t>& leftFirst,
               std::vector<std::uint32_t>& rightFoundAt,
               const std::function<void(const std::function<void(int)>&)>& eachHalf);

}  // namespace quorvex
