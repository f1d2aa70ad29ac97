// The comparison of two lists: which items of each side are kept under a mode
// and a case rule, in display order.
#pragma once

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

struct CompareOptions {
    CompareMode mode = CompareMode::Similarities;
    CaseRule caseRule = CaseRule::Exact;
    bool sort = false;  // case-insensitive locale order instead of list order
};

struct CompareResult {
    // The kept items, trimmed (and reduced to names in path mode); never
    // empty items. The views point into the texts passed to CompareLists.
    std::vector<std::string_view> left;
    std::vector<std::string_view> right;
};

// Compares two pane texts whose items are separated by CR LF. The cost grows
// with the texts' total size (plus n log n when sorting).
CompareResult CompareLists(std::string_view leftText, std::string_view rightText, const CompareOptions& options);

}  // namespace quorvex
