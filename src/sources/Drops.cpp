#include "sources/Drops.h"

#include <unordered_set>

#include "compare/Collation.h"
#include "compare/TextRoutines.h"

namespace quorvex {
namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    LowerCaseInPlace(folded.data(), folded.size());
    return folded;
}

}  // namespace

int DropPane(int x, int twipsPerPixelX, float scaleWidth) {
    const auto position = static_cast<short>(x * twipsPerPixelX);
    return scaleWidth / 2 > position ? 0 : 1;
}

std::string TextWithDroppedNames(std::string_view text, const std::vector<std::string>& paths) {
    std::unordered_set<std::string> lines;
    for (const auto line : SplitAtCrLf(text)) lines.insert(Folded(line));
    std::string result(text);
    for (const std::string& path : paths) {
        const std::string_view name = TrimSpaces(StripPath(TrimSpaces(path), "\\"));
        if (lines.count(Folded(StripPath(TrimSpaces(path), "\\")))) continue;
        if (!result.empty()) result += "\r\n";
        result += name;
    }
    return result;
}

}  // namespace quorvex
