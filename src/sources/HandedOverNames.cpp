#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "compare/Collation.h"
#include "sources/HandedOverList.h"

namespace quorvex {

// Repeats are found as a drop finds the names a pane holds: letter case
// ignored and nothing else, so "Masse" and "Maße" stay two names
// although the collation takes them for one.
std::vector<std::string> HandedOverNames(const std::function<std::string(int key)>& valueOf) {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (int key = 1; key <= 32767; ++key) {  // the keys a 16-bit counter reaches
        std::string name = valueOf(key).substr(0, kHandedOverNameLength);
        if (name.empty()) break;
        if (seen.insert(FoldCase(name)).second) names.push_back(std::move(name));
    }
    return names;
}

namespace {

std::string_view Unblanked(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::function<std::string(int key)> FileKeysOf(std::string_view section) {
    std::unordered_map<std::string, std::string> values;
    for (std::size_t start = 0, end; start < section.size(); start = end + 1) {
        end = std::min(section.find('\0', start), section.size());
        const std::string_view line = section.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string value(Unblanked(line.substr(equals + 1)));
        if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        values.emplace(FoldCase(Unblanked(line.substr(0, equals))), std::move(value));
    }
    return [values = std::move(values)](int key) {
        const auto found = values.find("file" + std::to_string(key));
        return found == values.end() ? std::string() : found->second;
    };
}

}  // namespace quorvex
