// What quorvex-compare prints and what its exit status says.
#pragma once

#include <string>
#include <string_view>

#include "cli/Options.h"
#include "compare/CompareEngine.h"

namespace quorvex::cli {

// Appends the kept items, each on a line of its own after `mark`.
void AppendItemLines(std::string& lines, const std::vector<std::string_view>& items, std::string_view mark,
                     std::string_view lineEnd);

// Standard output's text: the kept items marked by side ("< " left, "> "
// right) or, for one side alone, bare; or the counts; or a JSON object.
std::string Printed(const CompareResult& result, const Options& options, std::string_view lineEnd);

// 0 when the lists hold the same items under the rules, 1 when they differ.
int ExitStatus(const CompareResult& result, CompareMode mode);

}  // namespace quorvex::cli
