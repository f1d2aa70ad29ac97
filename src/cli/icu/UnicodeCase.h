// Unicode's case folding of UTF-8, through ICU: quorvex-compare's
// --ignore-case on Linux. Built natively only.
#pragma once

#include <string>
#include <string_view>

namespace quorvex::cli {

// Appends `item` case-folded; bytes that are not UTF-8 are copied as they
// are. Safe on several threads at once.
void FoldUnicodeCase(std::string_view item, std::string& folded);

}  // namespace quorvex::cli
