// The comparison of two lists: which items of each side are kept under a mode
// and a case rule, in display order.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

enum class CompareMode {
    Similarities,  // each side keeps the items that also occur in the other list
    Differences,   // each side keeps the items that the other list lacks
};

enum class CaseRule {
    Exact,   // items match only when equal byte for byte
    Folded,  // items match when equal after the system's lower-case mapping
};

// When items are compared by the names at the end of their paths.
enum class NameRule {
    Auto,    // when every left item is a path (after "\"), as the window does
    Always,  // every item, after its last "\" or "/"
    Never,
};

struct CompareOptions {
    CompareMode mode = CompareMode::Similarities;
    CaseRule caseRule = CaseRule::Exact;
    bool sort = false;  // case-insensitive locale order instead of list order
    bool trim = true;   // leading and trailing spaces taken off each item
    // Items end at any line end (LF, CR LF, a lone CR), not at CR LF only as
    // in a pane.
    bool anyLineEnd = false;
    NameRule names = NameRule::Auto;
    // Each occurrence matches at most one occurrence on the other side, the
    // first ones pairing first; otherwise an item matches whenever the other
    // side holds it at all.
    bool pair = false;
    // Under the folded rule, a folding that may change an item's length
    // (Unicode's): appends the folded item. Without one, the system's
    // lower-case mapping folds byte for byte. Both sides may fold at once.
    using Fold = std::function<void(std::string_view item, std::string& folded)>;
    Fold fold = {};
};

struct CompareResult {
    // The kept items, trimmed (and reduced to names in path mode); never
    // empty items. The views point into the texts passed to CompareLists.
    std::vector<std::string_view> left;
    std::vector<std::string_view> right;
    // How many items each side held that were not empty.
    std::size_t heldLeft = 0;
    std::size_t heldRight = 0;
};

// Compares two texts of items, separated by CR LF as in a pane unless the
// options say otherwise. The cost grows with the texts' total size (plus
// n log n when sorting).
CompareResult CompareLists(std::string_view leftText, std::string_view rightText, const CompareOptions& options);

}  // namespace quorvex
