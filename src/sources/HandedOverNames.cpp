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
        std::string name = valueOf(key).substr(0, 254);
        if (name.empty()) break;
        if (seen.insert(FoldCase(name)).second) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace quorvex
