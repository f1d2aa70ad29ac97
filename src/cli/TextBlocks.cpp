#include "cli/TextBlocks.h"

#include <algorithm>
#include <utility>

namespace quorvex::cli {

TextBlocks::TextBlocks(std::string start, Input& input, bool decode, ItemEnd end, std::size_t blockSize,
                       std::uint64_t longestItem)
    : input_(input), decode_(decode), end_(end), blockSize_(blockSize), longestItem_(longestItem) {
    if (decode_)
        decoder_.Decode(start, pending_);
    else
        pending_ = std::move(start);
}

// Just after the last separator that is surely whole: a CR at the very end
// may be the first half of a CR LF.
std::size_t TextBlocks::WholeItemsEnd(bool atEnd) const {
    if (atEnd) return pending_.size();
    const std::string_view text = std::string_view(pending_).substr(unsearched_);
    std::size_t at = std::string_view::npos;
    switch (end_) {
        case ItemEnd::Nul:
            at = text.rfind('\0');
            break;
        case ItemEnd::CrLf:
            at = text.rfind("\r\n");
            return at == std::string_view::npos ? 0 : unsearched_ + at + 2;
        case ItemEnd::AnyLineEnd:
            at = text.find_last_of("\r\n");
            if (at != std::string_view::npos && at + 1 == text.size() && text[at] == '\r')
                at = at == 0 ? std::string_view::npos : text.find_last_of("\r\n", at - 1);
            break;
    }
    return at == std::string_view::npos ? 0 : unsearched_ + at + 1;
}

// Most of a large list passes through here: a block is handed out by
// swapping buffers, and bytes that stand as they are read are read straight
// into the text, so that each byte is copied as few times as can be.
bool TextBlocks::Next(std::string& block) {
    for (;;) {
        const bool atEnd = ended_;
        if (atEnd && decode_) {
            decoder_.Finish(pending_);
            decode_ = false;
        }
        const std::size_t whole = WholeItemsEnd(atEnd);
        if (whole > 0 && (atEnd || pending_.size() >= blockSize_ / 2)) {
            block.swap(pending_);
            pending_.assign(block, whole, std::string::npos);
            block.resize(whole);
            unsearched_ = 0;
            return true;
        }
        if (atEnd) return false;
        // None yet: its last byte may be a CR whose LF is still to come.
        if (whole == 0 && !pending_.empty()) unsearched_ = pending_.size() - 1;
        if (pending_.size() - whole > longestItem_) throw Trouble(ItemTooLong(longestItem_));
        const bool direct = !decode_ || decoder_.TakesBytesAsTheyStand();
        std::string& target = direct ? pending_ : raw_;
        const std::size_t held = direct ? pending_.size() : 0;
        target.resize(held + blockSize_);
        const std::size_t read = input_.Read(target.data() + held, blockSize_);
        target.resize(held + read);
        if (read == 0) ended_ = true;
        if (!direct) decoder_.Decode(raw_, pending_);
    }
}

std::uint64_t LongestItem(std::uint64_t memory) {
    return std::clamp<std::uint64_t>(memory / 16, 1 << 10, std::uint64_t{1} << 30);
}

std::string ItemTooLong(std::uint64_t longest) {
    return "memory exhausted: an item is longer than the " + std::to_string(longest) +
           " bytes the memory allowed can compare; try a larger --memory";
}

}  // namespace quorvex::cli
