#include <algorithm>

#include "compare/Collation.h"
#include "sources/HandedOverList.h"

namespace quorvex {

std::vector<std::string> HandedOverNames(const std::function<std::string(int key)>& valueOf) {
    std::vector<std::string> names;
    for (int key = 1; key <= 32767; ++key) {  // the keys a 16-bit counter reaches
        std::string name = valueOf(key).substr(0, 254);
        if (name.empty()) break;
        const bool repeated = std::any_of(names.begin(), names.end(), [&](const std::string& earlier) {
            return CompareIgnoringCase(earlier, name) == 0;  // in the ANSI code page the names are in
        });
        if (!repeated) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace quorvex
