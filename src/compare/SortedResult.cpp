#include "compare/SortedResult.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "compare/Collation.h"
#include "compare/QuickSort.h"

namespace quorvex {
namespace {

struct Keyed {
    std::uint64_t head;  // the key's first 8 bytes, big-endian: integer order is byte order
    std::uint32_t offset;
    std::uint32_t length;
    std::uint32_t item;
};

std::uint64_t Head(std::string_view key) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i) head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return head;
}

// Keys compared after the bytes all of them begin with (`skip`, which no
// key is shorter than), which lists of paths or numbered names share: the
// heads then tell most apart.
class KeyOrder {
public:
    KeyOrder(const std::string& keys, std::size_t skip) : keys_(keys), skip_(skip) {}
    bool operator()(const Keyed& a, const Keyed& b) const {
        if (a.head != b.head) return a.head < b.head;
        return Key(a) < Key(b);  // unsigned bytes, a key that begins the other first
    }
    void SetHead(Keyed& k) const { k.head = Head(Key(k)); }

private:
    std::string_view Key(const Keyed& k) const { return {keys_.data() + k.offset + skip_, k.length - skip_}; }
    const std::string& keys_;
    std::size_t skip_;
};

std::size_t CommonPrefix(const std::string& keys, const std::vector<Keyed>& sorted) {
    if (sorted.empty()) return 0;
    const std::string_view first(keys.data() + sorted[0].offset, sorted[0].length);
    std::size_t common = first.size();
    for (const Keyed& k : sorted) {
        const std::string_view key(keys.data() + k.offset, std::min<std::size_t>(k.length, common));
        common = static_cast<std::size_t>(std::mismatch(key.begin(), key.end(), first.begin()).first - key.begin());
    }
    return common;
}

// Heads in order by a radix sort, a pass for each byte in which they differ,
// then keys with equal heads by `order`, which must put heads first: as
// std::sort with `order` would leave them, in fewer steps.
template <class Order>
void SortByHeads(std::vector<Keyed>& sorted, const Order& order) {
    std::vector<std::array<std::size_t, 256>> counts(8);
    for (const Keyed& k : sorted)
        for (int byte = 0; byte < 8; ++byte) ++counts[byte][(k.head >> (8 * byte)) & 0xFF];
    std::vector<Keyed> other;
    for (int byte = 0; byte < 8; ++byte) {
        auto& count = counts[byte];
        if (std::find(count.begin(), count.end(), sorted.size()) != count.end()) continue;  // one value: no pass
        if (other.empty()) other.resize(sorted.size());
        std::size_t start = 0;
        for (auto& c : count) start += std::exchange(c, start);
        for (const Keyed& k : sorted) other[count[(k.head >> (8 * byte)) & 0xFF]++] = k;
        sorted.swap(other);
    }
    for (auto run = sorted.begin(); run != sorted.end();) {
        const auto end = std::find_if(run + 1, sorted.end(), [&](const Keyed& k) { return k.head != run->head; });
        if (end - run > 1) std::sort(run, end, order);
        run = end;
    }
}

// The items as the sort sees them: those not kept are empty.
class KeptItems {
public:
    KeptItems(const std::vector<std::string_view>& list, const std::vector<char>& marks, char keep)
        : list_(list), marks_(marks), keep_(keep) {}
    std::size_t size() const { return list_.size(); }
    std::string_view operator[](std::size_t i) const { return marks_[i] == keep_ ? list_[i] : std::string_view(); }

private:
    const std::vector<std::string_view>& list_;
    const std::vector<char>& marks_;
    char keep_;
};

std::vector<std::string_view> NonEmpty(const KeptItems& list, const std::vector<Keyed>& order) {
    std::vector<std::string_view> shown;
    shown.reserve(order.size());
    for (const Keyed& k : order)
        if (!list[k.item].empty()) shown.push_back(list[k.item]);
    return shown;
}

std::vector<std::string_view> ByQuickSortOfTexts(const KeptItems& kept) {
    std::vector<std::string_view> list(kept.size());
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = kept[i];
    QuickSort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
    std::erase_if(list, [](std::string_view item) { return item.empty(); });
    return list;
}

std::vector<std::string_view> ByKeyThenBytesOfTexts(const KeptItems& kept) {
    std::vector<std::string_view> list;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!kept[i].empty()) list.push_back(kept[i]);
    std::sort(list.begin(), list.end(), ByKeyThenBytes);
    return list;
}

}  // namespace

std::vector<std::string_view> SortedKept(const std::vector<std::string_view>& items, const std::vector<char>& marks,
                                         char keep, bool tiesByBytes) {
    const KeptItems list(items, marks, keep);
    const auto byTexts = [&] { return tiesByBytes ? ByKeyThenBytesOfTexts(list) : ByQuickSortOfTexts(list); };
    if (!SortKeysAgree() || list.size() >= UINT32_MAX) return byTexts();
    std::string keys;
    std::vector<Keyed> sorted;
    std::size_t textBytes = 0, count = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        textBytes += list[i].size();
        count += !list[i].empty();
    }
    keys.reserve(textBytes);  // the size of plain lower-cased keys; the system's may grow it
    sorted.reserve(count);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].empty()) continue;
        const std::size_t offset = keys.size();
        if (!AppendSortKey(list[i], keys) || keys.size() > UINT32_MAX) return byTexts();
        sorted.push_back({0, static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(keys.size() - offset),
                          static_cast<std::uint32_t>(i)});
    }
    const KeyOrder order(keys, CommonPrefix(keys, sorted));
    for (Keyed& k : sorted) order.SetHead(k);
    if (tiesByBytes) {
        SortByHeads(sorted, [&](const Keyed& a, const Keyed& b) {
            return order(a, b) || (!order(b, a) && list[a.item] < list[b.item]);
        });
        return NonEmpty(list, sorted);
    }
    SortByHeads(sorted, order);
    const auto readsDifferently = [&](const Keyed& a, const Keyed& b) {
        return !order(a, b) && list[a.item] != list[b.item];
    };
    if (std::adjacent_find(sorted.begin(), sorted.end(), readsDifferently) == sorted.end())
        return NonEmpty(list, sorted);

    // Removed items have the empty key, which sorts first like the empty
    // text; it shares no prefix.
    const KeyOrder whole(keys, 0);
    std::vector<Keyed> all(list.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = {0, 0, 0, static_cast<std::uint32_t>(i)};
    for (Keyed& k : sorted) whole.SetHead(all[k.item] = k);
    QuickSort(all, 0, static_cast<std::ptrdiff_t>(all.size()) - 1, whole);
    return NonEmpty(list, all);
}

}  // namespace quorvex
