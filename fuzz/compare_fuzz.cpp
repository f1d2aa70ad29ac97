// The comparison with every combination of its options, checked against its
// pairwise definition: every item tested against every item of the other
// list, so that the fuzzer finds wrong answers, not only crashes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "compare/Collation.h"
#include "compare/CompareEngine.h"
#include "compare/QuickSort.h"
#include "compare/TextRoutines.h"

namespace {

using quorvex::CaseRule;
using quorvex::CompareMode;
using Items = std::vector<std::string>;

// Lines of the text, ended as the options say (a lone CR or LF otherwise
// staying inside its item), trimmed if asked.
Items Normalised(std::string_view text, const quorvex::CompareOptions& options) {
    using quorvex::ItemEnd;
    Items items;
    std::string item;
    bool ended = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        const bool lineEnd = text[i] == '\r' || text[i] == '\n';
        ended = options.itemEnd == ItemEnd::Nul          ? text[i] == '\0'
                : options.itemEnd == ItemEnd::AnyLineEnd ? lineEnd
                                                         : crLf;
        if (!ended) {
            item += text[i];
            continue;
        }
        items.push_back(item);
        item.clear();
        i += crLf && options.itemEnd != ItemEnd::Nul;
    }
    if (!text.empty() && (!ended || options.endAddsItem)) items.push_back(item);
    for (auto& kept : items)
        if (options.trim) kept = std::string(quorvex::TrimSpaces(kept));
    return items;
}

// A folding of its own, as quorvex-compare folds Unicode: lower case, and
// 0xDF ("ß" in the code page) as "ss", which lengthens an item.
void OwnFold(std::string_view item, std::string& folded) {
    const std::size_t start = folded.size();
    for (const char c : item) folded.append(c == '\xDF' ? "ss" : std::string(1, c));
    quorvex::LowerCaseInPlace(folded.data() + start, folded.size() - start);
}

bool Matches(std::string a, std::string b, const quorvex::CompareOptions& options) {
    if (options.caseRule == CaseRule::Exact) return a == b;
    if (!options.fold) {
        quorvex::LowerCaseInPlace(a.data(), a.size());
        quorvex::LowerCaseInPlace(b.data(), b.size());
        return a == b;
    }
    std::string foldedA, foldedB;
    OwnFold(a, foldedA);
    OwnFold(b, foldedB);
    return foldedA == foldedB;
}

// One side kept as the steps define it: found or not against `other` (when
// pairing, against an occurrence not taken by an earlier one, the other side
// pairing in its own order too), then sorted with the removed items still
// in place.
Items Kept(Items side, const Items& other, const quorvex::CompareOptions& options) {
    std::vector<char> taken(other.size(), 0), found(side.size(), 0);
    for (std::size_t i = 0; i < side.size(); ++i)
        for (std::size_t j = 0; j < other.size() && !found[i]; ++j)
            if (Matches(side[i], other[j], options) && !(options.pair && taken[j])) found[i] = taken[j] = 1;
    for (std::size_t i = 0; i < side.size(); ++i)
        if (found[i] != (options.mode == CompareMode::Similarities)) side[i].clear();
    std::vector<std::string_view> views(side.begin(), side.end());
    if (options.sort && options.sortTiesByBytes)
        std::sort(views.begin(), views.end(), [](std::string_view a, std::string_view b) {
            const int order = quorvex::CompareIgnoringCase(a, b);
            return order != 0 ? order < 0 : a < b;
        });
    else if (options.sort)
        quorvex::QuickSort(views, 0, static_cast<std::ptrdiff_t>(views.size()) - 1);
    Items kept;
    for (const auto view : views)
        if (!view.empty()) kept.emplace_back(view);
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    quorvex::CompareOptions options{.mode = (data[0] & 1) ? CompareMode::Differences : CompareMode::Similarities,
                                    .caseRule = (data[0] & 2) ? CaseRule::Folded : CaseRule::Exact,
                                    .sort = (data[0] & 4) != 0,
                                    .trim = (data[0] & 8) == 0,
                                    .itemEnd = (data[1] & 1)   ? quorvex::ItemEnd::AnyLineEnd
                                               : (data[1] & 2) ? quorvex::ItemEnd::Nul
                                                               : quorvex::ItemEnd::CrLf,
                                    .endAddsItem = (data[1] & 4) == 0,
                                    .names = (data[0] & 16)   ? quorvex::NameRule::Always
                                             : (data[0] & 32) ? quorvex::NameRule::Never
                                                              : quorvex::NameRule::Auto,
                                    .folderNames = (data[1] & 8) != 0,
                                    .pair = (data[0] & 64) != 0,
                                    .sortTiesByBytes = (data[1] & 16) != 0};
    if (data[0] & 128) options.fold = OwnFold;
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);
    // Left and right are apart at the first byte 0xFF when zero bytes end
    // items, at the first zero byte otherwise.
    const std::size_t split = input.find(options.itemEnd == quorvex::ItemEnd::Nul ? '\xFF' : '\0');
    const std::string_view leftText = input.substr(0, split);
    const std::string_view rightText = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const auto result = quorvex::CompareLists(leftText, rightText, options);

    Items left = Normalised(leftText, options), right = Normalised(rightText, options);
    if (left.size() > 200 || right.size() > 200) return 0;  // the definition is quadratic
    bool pathMode = options.names == quorvex::NameRule::Always;
    if (options.names == quorvex::NameRule::Auto) {
        pathMode = true;
        for (const auto& item : left) pathMode = pathMode && item.find('\\') != std::string::npos;
        for (std::size_t k = 0; k < right.size(); ++k)
            pathMode = pathMode && k < left.size() && left[k].rfind('\\', 0) != 0;
    }
    const char* separators = options.names == quorvex::NameRule::Always ? "\\/" : "\\";
    // A folder's line, ending in a separator, keeps its last name with it
    // when asked.
    const auto name = [&](const std::string& item) {
        std::string stem = item;
        const bool folder = options.folderNames && !stem.empty() && std::strchr(separators, stem.back());
        if (folder) stem.pop_back();
        std::string named = stem.substr(stem.find_last_of(separators) + 1);
        return folder && item.size() > 1 ? named + item.back() : folder ? item : named;
    };
    if (pathMode) {
        for (auto& item : left) item = name(item);
        for (auto& item : right) item = name(item);
    }
    const Items expectedLeft = Kept(left, right, options), expectedRight = Kept(right, left, options);
    if (Items(result.left.begin(), result.left.end()) != expectedLeft ||
        Items(result.right.begin(), result.right.end()) != expectedRight)
        std::abort();
    return 0;
}
