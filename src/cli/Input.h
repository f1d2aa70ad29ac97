// An input's bytes as the comparison takes them.
#pragma once

#include <string>
#include <string_view>

namespace quorvex::cli {

// A UTF-8 byte-order mark dropped, UTF-16 with its byte-order mark made
// UTF-8 (what it cannot spell becomes U+FFFD), and the items, which any line
// end separates (LF, CR LF, a lone CR), joined by CR LF as a pane holds them.
std::string ItemsText(std::string_view bytes);

}  // namespace quorvex::cli
