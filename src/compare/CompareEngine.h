// The comparison of two lists: which items of each side are kept under a mode
// and a case rule, in display order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/TextRoutines.h"

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
    ItemEnd itemEnd = ItemEnd::CrLf;
    // A text that ends with its separator has an empty last item, as a
    // pane's text has, and that item (no path) turns path mode off. Lists
    // from files end their last line too: there the separator only ends it.
    bool endAddsItem = true;
    NameRule names = NameRule::Auto;
    // A folder's listing line ("\S\U\") is compared by its own name ("U\")
    // where a pane compares it by nothing, the empty text after its last
    // backslash, so that it disappears.
    bool folderNames = false;
    // Each occurrence matches at most one occurrence on the other side, the
    // first ones pairing first; otherwise an item matches whenever the other
    // side holds it at all.
    bool pair = false;
    // Under the folded rule, a folding that may change an item's length
    // (Unicode's): appends the folded item. Without one, the system's
    // lower-case mapping folds byte for byte. Both sides may fold at once.
    using Fold = std::function<void(std::string_view item, std::string& folded)>;
    Fold fold = {};
    // Sorted items that compare equal but read differently (a and A) take
    // QuickSort's order, which depends on the whole list, as a pane shows
    // them; or, with this, the order of their bytes, which lets a list be
    // sorted in pieces and merged.
    bool sortTiesByBytes = false;
    // Large lists are split, hashed and matched on two threads.
    bool twoThreads = true;
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

// Whether path mode applies under NameRule::Auto, told one item at a time:
// every left item holds a backslash, the right list is no longer than the
// left, and no left item at an index the right list has begins with one.
class PathModeCheck {
public:
    void Left(std::string_view item) {
        allPaths_ = allPaths_ && item.find('\\') != std::string_view::npos;
        if (!item.empty() && item.front() == '\\' && firstRooted_ == kNone) firstRooted_ = left_;
        ++left_;
    }
    void Right(std::uint64_t count = 1) { right_ += count; }
    // False once a left item without a backslash has settled it.
    bool MayApply() const { return allPaths_; }
    // What `later`, told the items after these, adds to what this was told.
    void Then(const PathModeCheck& later) {
        allPaths_ = allPaths_ && later.allPaths_;
        if (firstRooted_ == kNone && later.firstRooted_ != kNone) firstRooted_ = left_ + later.firstRooted_;
        left_ += later.left_;
        right_ += later.right_;
    }
    bool Applies() const { return allPaths_ && right_ <= left_ && (firstRooted_ == kNone || firstRooted_ >= right_); }

private:
    static constexpr std::uint64_t kNone = UINT64_MAX;
    bool allPaths_ = true;
    std::uint64_t left_ = 0, right_ = 0, firstRooted_ = kNone;
};

// The part of an item that path mode compares: what follows its last
// separator (a backslash, or under NameRule::Always a slash too), or with
// `folderNames` for an item that ends in one, its last name with that
// separator.
std::string_view NameOfItem(std::string_view item, NameRule names, bool folderNames);

// Compares two texts of items, separated by CR LF as in a pane unless the
// options say otherwise. The cost grows with the texts' total size (plus
// n log n when sorting).
CompareResult CompareLists(std::string_view leftText, std::string_view rightText, const CompareOptions& options);

}  // namespace quorvex
