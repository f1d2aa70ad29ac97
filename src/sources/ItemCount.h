// A pane's item count, from the text box's own line count and its text.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvex {

// `lineCount` is what the text box reports (at least 1, an empty text counts
// one line). Line ends at the end of the text and empty lines between two line
// ends are not items; a line of blanks is. Never negative.
std::int64_t ItemCountFromLines(std::int64_t lineCount, std::string_view text);

}  // namespace quorvex
