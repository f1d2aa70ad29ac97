// An input's bytes as the comparison takes them.
#pragma once

#include <string>
#include <string_view>

namespace quorvex::cli {

// The bytes as text: a UTF-8 byte-order mark dropped, UTF-16 with its
// byte-order mark made UTF-8 (what it cannot spell becomes U+FFFD), anything
// else as it stands. Line ends are left to the comparison, which takes any.
std::string DecodedText(std::string bytes);

}  // namespace quorvex::cli
