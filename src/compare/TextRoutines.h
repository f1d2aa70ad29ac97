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

// Splits at CR LF only. The empty text has no items; a text ending in CR LF
// has an empty last item. The views point into `text`.
std::vector<std::string_view> SplitAtCrLf(std::string_view text);

// Splits at any line end: LF, CR LF or a lone CR; otherwise as SplitAtCrLf.
std::vector<std::string_view> SplitAtLineEnds(std::string_view text);

}  // namespace quorvex
