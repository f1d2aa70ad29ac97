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

// Splits at CR LF only. The empty text has no items; a text ending in CR LF
// has an empty last item. The views point into `text`.
std::vector<std::string_view> SplitAtCrLf(std::string_view text);

}  // namespace quorvex
