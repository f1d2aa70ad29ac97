#include "cli/Report.h"

namespace quorvex::cli {

std::string ItemLines(const std::vector<std::string_view>& items, std::string_view mark, std::string_view lineEnd) {
    std::size_t size = 0;
    for (const auto item : items) size += mark.size() + item.size() + lineEnd.size();
    std::string lines;
    lines.reserve(size);
    for (const auto item : items) lines.append(mark).append(item).append(lineEnd);
    return lines;
}

std::string Printed(const CompareResult& result, const Options& options, std::string_view lineEnd) {
    const std::vector<std::string_view>* kept[2] = {&result.left, &result.right};
    const std::size_t held[2] = {result.heldLeft, result.heldRight};
    const char* const names[2] = {"left", "right"};
    const bool both = options.shown[0] && options.shown[1];
    std::string text;
    for (int side = 0; side < 2; ++side) {
        if (!options.shown[side]) continue;
        if (options.count) {
            text.append(names[side]).append("\t").append(std::to_string(held[side])).append("\t");
            text.append(std::to_string(kept[side]->size())).append(lineEnd);
        } else {
            text += ItemLines(*kept[side], both ? (side == 0 ? "< " : "> ") : "", lineEnd);
        }
    }
    return text;
}

// Similarities keep every item exactly when each side holds the other's.
int ExitStatus(const CompareResult& result, CompareMode mode) {
    const bool same = mode == CompareMode::Differences
                          ? result.left.empty() && result.right.empty()
                          : result.left.size() == result.heldLeft && result.right.size() == result.heldRight;
    return same ? 0 : 1;
}

}  // namespace quorvex::cli
