#include "sources/ItemCount.h"

namespace quorvex {

std::int64_t ItemCountFromLines(std::int64_t lineCount, std::string_view text) {
    std::int64_t count = lineCount;
    while (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") {
        text.remove_suffix(2);
        if (--count < 0) return 0;
    }
    // Overlapping hits count: three line ends in a row hold two empty lines.
    for (auto hit = text.find("\r\n\r\n"); hit != std::string_view::npos; hit = text.find("\r\n\r\n", hit + 1))
        if (--count < 0) return 0;
    return count;
}

std::string ItemsText(std::int64_t count) { return std::to_string(count) + " items"; }

std::string StatusText(std::int64_t count, const std::string& sourceLabel) {
    std::string text = ItemsText(count);
    if (!sourceLabel.empty()) text += " - " + sourceLabel;
    return text;
}

}  // namespace quorvex
