// Small text routines shared by the comparison and the list sources.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Removes leading and trailing U+0020 only; tabs and other blanks stay.
std::string_view TrimSpaces(std::string_view text);

// The part of `path` after the last occurrence of `separator` (the whole path
// when there is none, the empty text when the path ends with it).
std::string_view StripPath(std::string_view path, std::string_view separator);

// `path` trimmed of spaces and ending in exactly one added "\" unless it already
// ends with one; an empty or all-space path gives "\".
std::string AddBackslash(std::string_view path);

// The part of `text` before its first zero character; the whole text when it
// has none.
std::string_view StripNulls(std::string_view text);

// The number a text starts with, as the forms read stored numbers: blanks
// skipped, an optional sign, digits with an optional fraction, rounded half
// to even to a 16-bit integer. A text without a leading number, or a number
// outside -32768 to 32767, reads as 0.
short LeadingNumber16(std::string_view text);

// What ends one item of a list and begins the next.
enum class ItemEnd {
    CrLf,        // CR LF only, as in a pane: a lone CR or LF stays inside its item
    AnyLineEnd,  // LF, CR LF or a lone CR
    Nul,         // a zero byte; line ends stay inside items
};

// Splits `text` into its items. The empty text has no items. A text that ends
// with a separator has an empty last item when `endAddsItem`, as a pane's
// text has; otherwise that separator only ends the last item. The views
// point into `text`.
std::vector<std::string_view> SplitItems(std::string_view text, ItemEnd end, bool endAddsItem = true);

// Splits at CR LF only, as a pane's text is split.
inline std::vector<std::string_view> SplitAtCrLf(std::string_view text) { return SplitItems(text, ItemEnd::CrLf); }

}  // namespace quorvex
