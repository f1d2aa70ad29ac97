// An input's text a block at a time for a comparison too large for memory:
// decoded, each block ending after a whole item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/Input.h"
#include "cli/System.h"
#include "compare/TextRoutines.h"

namespace quorvex::cli {

// An input's text a block at a time, decoded, each block ending after a
// whole item (the last block perhaps with an item that has no separator).
class TextBlocks {
public:
    // `start` holds bytes already read from `input`. A folder's listing is
    // not decoded: names are taken as they are. An item longer than
    // `longestItem` is trouble: it could not be compared in the memory.
    TextBlocks(std::string start, Input& input, bool decode, ItemEnd end, std::size_t blockSize,
               std::uint64_t longestItem);
    // False at the end.
    bool Next(std::string& block);

private:
    std::size_t WholeItemsEnd(bool atEnd) const;

    Input& input_;
    std::string raw_;  // bytes read, for the decoder
    bool decode_;
    ItemEnd end_;
    std::size_t blockSize_;
    std::uint64_t longestItem_;
    TextDecoder decoder_;
    std::string pending_;  // decoded text not yet handed out
    // Where in `pending_` a separator may stand: the bytes before were
    // searched, and held none that ends an item, so that a long item is
    // searched once, not once a read.
    std::size_t unsearched_ = 0;
    bool ended_ = false;
};

// The longest item that `memory` allows, and the trouble of a longer one.
std::uint64_t LongestItem(std::uint64_t memory);
std::string ItemTooLong(std::uint64_t longest);

}  // namespace quorvex::cli
