// Text rules of the list sources: line ends of loaded files and the lines of
// folder listings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Files longer than this are loaded only after the user says Yes; a file
// that tells no length is read no further.
constexpr std::uint64_t kLargeFileBytes = 50000;

// A text with line feeds but no carriage return at all gets CR LF line ends;
// any other text (CR LF already, a mixture, lone CRs, one line) stays as read.
void NormaliseLineEnds(std::string& text);

// The prefix of the listing lines of `folder`, a folder below the top folder
// `root` of a listing: "\", its path below the top folder, "\". Empty for the
// top folder itself (an empty root).
std::string ListingPrefix(std::string_view folder, std::string_view root);

// A result list as Copy and Save take it: every item followed by CR LF, the
// last one too.
std::string ResultContent(const std::vector<std::string_view>& items);

// The question asked before a listing includes the subfolders of `folder`.
std::string SubfolderQuestion(std::string_view folder);

}  // namespace quorvex
