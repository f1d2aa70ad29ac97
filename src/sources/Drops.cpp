#include "sources/Drops.h"

#include <unordered_set>

#include "compare/Collation.h"
#include "compare/TextRoutines.h"

namespace quorvex {

int DropPane(int dropX, int twipsPerPixelX, float scaleWidth) {
    const auto position = static_cast<short>(dropX * twipsPerPixelX);
    return scaleWidth / 2 > position ? 0 : 1;
}

std::string TextWithDroppedNames(std::string_view text, const std::vector<std::string>& paths) {
    std::unordered_set<std::string> lines;
    for (const auto line : SplitAtCrLf(text)) lines.insert(FoldCase(line));
    std::string result(text);
    for (const std::string& path : paths) {
        const std::string_view name = TrimSpaces(StripPath(TrimSpaces(path), "\\"));
        if (lines.count(FoldCase(StripPath(TrimSpaces(path), "\\")))) continue;
        if (!result.empty()) result += "\r\n";
        result += name;
    }
    return result;
}

}  // namespace quorvex
