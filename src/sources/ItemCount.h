// A pane's item count, from the text box's own line count and its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// `lineCount` is what the text box reports (at least 1, an empty text counts
// one line). Line ends at the end of the text and empty lines between two line
// ends are not items; a line of blanks is. Never negative.
std::int64_t ItemCountFromLines(std::int64_t lineCount, std::string_view text);

// "N items", plain digits and no singular form.
std::string ItemsText(std::int64_t count);

// A pane's status line: the count, then " - " and the source label if any.
std::string StatusText(std::int64_t count, const std::string& sourceLabel);

}  // namespace quorvex
