#include "compare/CompareEngine.h"

#include <string>

#include "compare/Collation.h"
#include "compare/ItemSet.h"
#include "compare/QuickSort.h"
#include "compare/TextRoutines.h"

namespace quorvex {
namespace {

using Items = std::vector<std::string_view>;

Items NormalisedItems(std::string_view text) {
    Items items = SplitAtCrLf(text);
    for (auto& item : items) item = TrimSpaces(item);
    return items;
}

// Lists of full paths are compared by their names. Every left item must hold a
// backslash; the second pass walks the right list's indexes but tests the left
// item at each, so a left item that starts with a backslash (a line of a
// folder listing) or a right list longer than the left turns path mode off.
bool PathModeApplies(const Items& left, std::size_t rightCount) {
    for (const auto item : left)
        if (item.find('\\') == std::string_view::npos) return false;
    for (std::size_t k = 0; k < rightCount; ++k) {
        if (k >= left.size()) return false;
        if (!left[k].empty() && left[k].front() == '\\') return false;
    }
    return true;
}

// The text that items are matched by: the pane text under the exact rule, a
// lower-cased copy under the folded rule (the mapping keeps every byte in
// place, so an item's span is the same in both).
std::string KeyText(std::string_view text, CaseRule rule) {
    if (rule == CaseRule::Exact) return {};
    std::string folded(text);
    LowerCaseInPlace(folded.data(), folded.size());
    return folded;
}

// Without sorting, the kept items go straight to the result. A sort sees the
// removed items too, as empty ones: the order it gives equal items depends on
// every element it moves.
Items Shown(const Items& items, const KeyedItems& keys, const ItemSet& other, bool keepFound, bool sort) {
    std::vector<char> found;
    other.FindEach(keys, found);
    const char keep = keepFound ? 1 : 0;
    Items shown;
    shown.reserve(items.size());
    if (!sort) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (found[i] == keep && !items[i].empty()) shown.push_back(items[i]);
        return shown;
    }
    Items kept(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        if (found[i] == keep) kept[i] = items[i];
    QuickSort(kept, 0, static_cast<std::ptrdiff_t>(kept.size()) - 1);
    for (const auto item : kept)
        if (!item.empty()) shown.push_back(item);
    return shown;
}

}  // namespace

CompareResult CompareLists(std::string_view leftText, std::string_view rightText, const CompareOptions& options) {
    Items left = NormalisedItems(leftText);
    Items right = NormalisedItems(rightText);
    if (PathModeApplies(left, right.size())) {
        for (auto& item : left) item = StripPath(item, "\\");
        for (auto& item : right) item = StripPath(item, "\\");
    }

    const std::string leftFolded = KeyText(leftText, options.caseRule);
    const std::string rightFolded = KeyText(rightText, options.caseRule);
    const bool exact = options.caseRule == CaseRule::Exact;
    const KeyedItems leftKeys(left, leftText, exact ? leftText.data() : leftFolded.data());
    const KeyedItems rightKeys(right, rightText, exact ? rightText.data() : rightFolded.data());
    // The right list is matched against the left list as it stands before
    // any removal, which is exactly what this set holds.
    const ItemSet leftSet(leftKeys);
    const ItemSet rightSet(rightKeys);
    const bool keepFound = options.mode == CompareMode::Similarities;

    CompareResult result;
    result.left = Shown(left, leftKeys, rightSet, keepFound, options.sort);
    result.right = Shown(right, rightKeys, leftSet, keepFound, options.sort);
    return result;
}

}  // namespace quorvex
