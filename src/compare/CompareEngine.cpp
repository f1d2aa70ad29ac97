#include "compare/CompareEngine.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "compare/BothSides.h"
#include "compare/Collation.h"
#include "compare/KeyMatching.h"
#include "compare/SortedResult.h"
#include "compare/TextRoutines.h"

namespace quorvex {
namespace {

using Items = std::vector<std::string_view>;

Items NormalisedItems(std::string_view text, const CompareOptions& options) {
    Items items = SplitItems(text, options.itemEnd, options.endAddsItem);
    if (options.trim)
        for (auto& item : items) item = TrimSpaces(item);
    return items;
}

// Lists of full paths are compared by their names. Every left item must hold a
// backslash; the second pass walks the right list's indexes but tests the left
// item at each, so a left item that starts with a backslash (a line of a
// folder listing) or a right list longer than the left turns path mode off.
bool PathModeApplies(const Items& left, std::size_t rightCount, NameRule names) {
    if (names != NameRule::Auto) return names == NameRule::Always;
    PathModeCheck check;
    for (const auto item : left) {
        check.Left(item);
        if (!check.MayApply()) return false;  // most lists: settled at their first item
    }
    check.Right(rightCount);
    return check.Applies();
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

using Fold = CompareOptions::Fold;

// A copy of the text with each item folded by `fold` in its place, so that
// the items' spans key them as under the folded rule; nothing when an item's
// length changes, which folding seldom does.
std::optional<std::string> FoldedInPlace(std::string_view text, const Items& items, const Fold& fold) {
    std::string keyText(text), folded;
    for (const auto item : items) {
        folded.clear();
        fold(item, folded);
        if (folded.size() != item.size()) return std::nullopt;
        std::copy(folded.begin(), folded.end(), keyText.begin() + (item.data() - text.data()));
    }
    return keyText;
}

// Each item folded by `fold`, the folded items one after another in
// `buffer`, which the views returned point into.
Items FoldedItems(const Items& items, const Fold& fold, std::string& buffer) {
    std::vector<std::size_t> ends;
    ends.reserve(items.size());
    for (const auto item : items) {
        fold(item, buffer);
        ends.push_back(buffer.size());
    }
    Items keys;
    keys.reserve(items.size());
    std::size_t start = 0;
    for (const std::size_t end : ends) {
        keys.emplace_back(buffer.data() + start, end - start);
        start = end;
    }
    return keys;
}

// Pairs each right item with an unpaired left occurrence of its key, the
// first occurrences on each side pairing first: three "a" against one "a"
// leave the second and third left "a" unpaired.
void PairFirstOccurrences(const std::vector<std::uint32_t>& leftFirst, const std::vector<std::uint32_t>& rightFoundAt,
                          std::vector<char> (&found)[2]) {
    // Both by each key's first left item.
    std::vector<std::uint32_t> unpaired(leftFirst.size(), 0), pairs(leftFirst.size(), 0);
    for (const auto first : leftFirst) ++unpaired[first];
    for (std::size_t j = 0; j < rightFoundAt.size(); ++j) {
        const auto first = rightFoundAt[j];
        if (first == kNoItem || unpaired[first] == 0) continue;
        --unpaired[first];
        ++pairs[first];
        found[1][j] = 1;
    }
    for (std::size_t i = 0; i < leftFirst.size(); ++i) {
        if (pairs[leftFirst[i]] == 0) continue;
        --pairs[leftFirst[i]];
        found[0][i] = 1;
    }
}

// Without sorting, the kept items go straight to the result, in the
// items' own array: fresh memory costs a large list more than its use.
// A sort sees the removed items too, as empty ones: the order it gives equal
// items depends on every element it moves.
Items Shown(Items& items, const std::vector<char>& found, bool keepFound, const CompareOptions& options) {
    const char keep = keepFound ? 1 : 0;
    if (options.sort) return SortedKept(items, found, keep, options.sortTiesByBytes);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (found[i] == keep && !items[i].empty()) items[kept++] = items[i];
    items.resize(kept);
    return std::move(items);
}

}  // namespace

std::string_view NameOfItem(std::string_view item, NameRule names, bool folderNames) {
    const std::string_view separators = names == NameRule::Always ? "\\/" : "\\";
    if (!folderNames) return item.substr(item.find_last_of(separators) + 1);
    if (item.size() < 2) return item;
    return item.substr(item.find_last_of(separators, item.size() - 2) + 1);  // past a separator that ends it
}

CompareResult CompareLists(std::string_view leftText, std::string_view rightText, const CompareOptions& options) {
    // Below this a second thread costs more than it saves.
    const bool large = options.twoThreads && leftText.size() + rightText.size() > 256 * 1024;
    const auto eachSide = [large](const std::function<void(int)>& work) {
        if (large) return ForBothSides(work);
        work(0);
        work(1);
    };
    const std::string_view texts[2] = {leftText, rightText};
    const bool exact = options.caseRule == CaseRule::Exact, ownKeys = !exact && options.fold;
    Items items[2];
    std::string folded[2];
    eachSide([&](int side) {
        items[side] = NormalisedItems(texts[side], options);
        if (!ownKeys) folded[side] = KeyText(texts[side], options.caseRule);
    });
    const bool pathMode = PathModeApplies(items[0], items[1].size(), options.names);
    Items foldedItems[2];
    bool inPlace[2] = {false, false};
    std::vector<std::uint32_t> hashes[2];
    eachSide([&](int side) {
        if (pathMode)
            for (auto& item : items[side]) item = NameOfItem(item, options.names, options.folderNames);
        if (!ownKeys) return;
        auto keyText = FoldedInPlace(texts[side], items[side], options.fold);
        inPlace[side] = keyText.has_value();
        if (inPlace[side])
            folded[side] = std::move(*keyText);
        else
            foldedItems[side] = FoldedItems(items[side], options.fold, folded[side]);
    });
    const auto keyed = [&](int side) {
        if (ownKeys && !inPlace[side]) return KeyedItems(foldedItems[side]);
        return KeyedItems(items[side], texts[side], exact ? texts[side].data() : folded[side].data());
    };
    const KeyedItems keys[2] = {keyed(0), keyed(1)};
    eachSide([&](int side) { hashes[side] = KeyHashes(keys[side]); });

    // The left keys as they stand before any removal. Each right item found
    // marks the left item that holds its key, and a left item is found when
    // the first left item with its key was marked.
    std::vector<std::uint32_t> leftFirst(items[0].size()), rightFoundAt(items[1].size(), kNoItem);
    MatchKeys(keys[0], hashes[0], keys[1], hashes[1], leftFirst, rightFoundAt, eachSide);
    std::vector<char> found[2] = {std::vector<char>(items[0].size(), 0), std::vector<char>(items[1].size(), 0)};
    if (options.pair) {
        PairFirstOccurrences(leftFirst, rightFoundAt, found);
    } else {
        for (std::size_t j = 0; j < items[1].size(); ++j) {
            if (rightFoundAt[j] == kNoItem) continue;
            found[1][j] = 1;
            found[0][rightFoundAt[j]] = 1;
        }
        for (std::size_t i = 0; i < items[0].size(); ++i) found[0][i] = found[0][leftFirst[i]];
    }
    // Only the texts and the items are needed from here on.
    for (int side = 0; side < 2; ++side) {
        Items().swap(foldedItems[side]);
        std::string().swap(folded[side]);
        std::vector<std::uint32_t>().swap(hashes[side]);
    }
    std::vector<std::uint32_t>().swap(leftFirst);
    std::vector<std::uint32_t>().swap(rightFoundAt);

    if (options.sort) SortKeysAgree();  // settled before the sides sort on two threads
    const bool keepFound = options.mode == CompareMode::Similarities;
    CompareResult result;
    for (const auto item : items[0]) result.heldLeft += !item.empty();
    for (const auto item : items[1]) result.heldRight += !item.empty();
    eachSide([&](int side) {
        (side == 0 ? result.left : result.right) = Shown(items[side], found[side], keepFound, options);
    });
    return result;
}

}  // namespace quorvex
