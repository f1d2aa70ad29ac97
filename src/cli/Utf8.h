// UTF-8 as quorvex-compare reads it.
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvex::cli {

// The length of the well-formed UTF-8 sequence that `text` begins with, or 0
// when it begins with a byte that is no such sequence (or is empty).
std::size_t Utf8Length(std::string_view text);

}  // namespace quorvex::cli
