#include "compare/TextRoutines.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvex {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return text.substr(text.size());
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view StripPath(std::string_view path, std::string_view separator) {
    if (separator.empty()) return path;
    const auto hit = path.rfind(separator);
    if (hit == std::string_view::npos) return path;
    // Everything after the first character of the last hit: for a longer
    // separator its tail stays in the result.
    return path.substr(hit + 1);
}

std::string AddBackslash(std::string_view path) {
    std::string result(TrimSpaces(path));
    if (result.empty() || result.back() != '\\') result += '\\';
    return result;
}

std::string_view StripNulls(std::string_view text) { return text.substr(0, text.find('\0')); }

short LeadingNumber16(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    double value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true) value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.')
        for (double scale = 0.1; ++i < text.size() && text[i] >= '0' && text[i] <= '9'; scale /= 10, digits = true)
            value += (text[i] - '0') * scale;
    if (!digits) return 0;
    const double rounded = std::nearbyint(negative ? -value : value);
    return rounded < -32768 || rounded > 32767 ? 0 : static_cast<short>(rounded);
}

std::vector<std::string_view> SplitAtCrLf(std::string_view text) {
    std::vector<std::string_view> items;
    if (text.empty()) return items;
    items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* start = begin;
    const char* scan = begin;
    while (scan < end) {
        const auto* cr = static_cast<const char*>(std::memchr(scan, '\r', static_cast<size_t>(end - scan)));
        if (cr == nullptr) break;
        if (cr + 1 < end && cr[1] == '\n') {
            items.emplace_back(start, static_cast<size_t>(cr - start));
            start = cr + 2;
            scan = start;
        } else {
            scan = cr + 1;  // a lone CR stays inside its item
        }
    }
    items.emplace_back(start, static_cast<size_t>(end - start));
    return items;
}

std::vector<std::string_view> SplitAtLineEnds(std::string_view text) {
    std::vector<std::string_view> items;
    if (text.empty()) return items;
    items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') continue;
        items.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    items.push_back(text.substr(start));
    return items;
}

}  // namespace quorvex
