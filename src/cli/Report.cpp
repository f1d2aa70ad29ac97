#include "cli/Report.h"

#include "cli/Utf8.h"

namespace quorvex::cli {

void AppendItemLines(std::string& lines, const std::vector<std::string_view>& items, std::string_view mark,
                     std::string_view lineEnd) {
    std::size_t size = lines.size();
    for (const auto item : items) size += mark.size() + item.size() + lineEnd.size();
    lines.reserve(size);
    for (const auto item : items) lines.append(mark).append(item).append(lineEnd);
}

namespace {

void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            json += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* const hex = "0123456789abcdef";
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 0xF];
        } else {
            json.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    json += '"';
}

}  // namespace

std::string Printed(const CompareResult& result, const Options& options, std::string_view lineEnd) {
    const std::vector<std::string_view>* kept[2] = {&result.left, &result.right};
    const std::size_t held[2] = {result.heldLeft, result.heldRight};
    const char* const names[2] = {"left", "right"};
    const bool both = options.shown[0] && options.shown[1];
    std::string text;
    if (options.json) {
        for (int side = 0; side < 2; ++side) {
            if (!options.shown[side]) continue;
            text.append(text.empty() ? "{\"" : ",\"").append(names[side]).append("\":{\"held\":");
            text.append(std::to_string(held[side])).append(",\"kept\":[");
            for (std::size_t i = 0; i < kept[side]->size(); ++i) {
                if (i > 0) text += ',';
                AppendJsonString(text, (*kept[side])[i]);
            }
            text += "]}";
        }
        return text.append("}").append(lineEnd);
    }
    for (int side = 0; side < 2; ++side) {
        if (!options.shown[side]) continue;
        if (options.count) {
            text.append(names[side]).append("\t").append(std::to_string(held[side])).append("\t");
            text.append(std::to_string(kept[side]->size())).append(lineEnd);
        } else {
            AppendItemLines(text, *kept[side], both ? (side == 0 ? "< " : "> ") : "", lineEnd);
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
