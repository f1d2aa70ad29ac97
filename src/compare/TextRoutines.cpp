#include "compare/TextRoutines.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace quorvex {

std::string_view TrimSpaces(std::string_view text) {
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return text;  // most items
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
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.')
        for (double scale = 0.1; ++i < text.size() && text[i] >= '0' && text[i] <= '9'; scale /= 10, digits = true)
            value += (text[i] - '0') * scale;
    if (!digits) return 0;
    const double rounded = std::nearbyint(negative ? -value : value);
    return rounded < -32768 || rounded > 32767 ? 0 : static_cast<short>(rounded);
}

namespace {

// The first separator at or after `from`: where it begins and its length
// (0 at the end of the text). Each memchr runs on from the last hit of its
// byte, so a pass over the text scans it about once whatever its line ends.
class Separators {
public:
    Separators(std::string_view text, ItemEnd end) : text_(text), end_(end) {}
    std::pair<std::size_t, std::size_t> Next(std::size_t from) {
        if (end_ == ItemEnd::Nul) {
            const std::size_t at = Find('\0', from, nul_);
            return {at, at < text_.size() ? std::size_t{1} : std::size_t{0}};
        }
        for (;;) {
            const std::size_t cr = Find('\r', from, cr_);
            if (end_ == ItemEnd::AnyLineEnd) {
                const std::size_t lf = Find('\n', from, lf_);
                if (lf < cr) return {lf, 1};
            }
            if (cr >= text_.size()) return {text_.size(), 0};
            if (cr + 1 < text_.size() && text_[cr + 1] == '\n') return {cr, 2};
            if (end_ == ItemEnd::AnyLineEnd) return {cr, 1};
            from = cr + 1;  // a lone CR stays inside its item
        }
    }

private:
    // The next `byte` at or after `from`, through `cache`, the last hit.
    std::size_t Find(char byte, std::size_t from, std::size_t& cache) {
        if (cache != kUnknown && cache >= from) return cache;
        const void* hit = std::memchr(text_.data() + from, byte, text_.size() - from);
        cache = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : text_.size();
        return cache;
    }
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::string_view text_;
    ItemEnd end_;
    std::size_t lf_ = kUnknown, cr_ = kUnknown, nul_ = kUnknown;
};

}  // namespace

std::vector<std::string_view> SplitItems(std::string_view text, ItemEnd end, bool endAddsItem) {
    std::vector<std::string_view> items;
    if (text.empty()) return items;
    // Room for every item at once: grown as it goes, the array would take
    // fresh memory several times over, which costs more than this count.
    items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), end == ItemEnd::Nul ? '\0' : '\n')) +
                  1);
    Separators separators(text, end);
    std::size_t start = 0;
    for (;;) {
        const auto [at, length] = separators.Next(start);
        if (length == 0) break;
        items.push_back(text.substr(start, at - start));
        start = at + length;
    }
    if (start < text.size() || endAddsItem) items.push_back(text.substr(start));
    return items;
}

}  // namespace quorvex
