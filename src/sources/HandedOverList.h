// The list of files or folders another program hands over in a profile
// file: section "Files", keys "File1", "File2", ... (the file itself is read
// by win32/HandedOverList.h).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// What a profile read takes of a value: a buffer of 255 characters, its
// terminating zero included.
constexpr std::size_t kHandedOverNameLength = 254;

// The names from the values of the keys 1, 2, ... (`valueOf` gives the empty
// text for a missing key), in key order up to the first empty value, each cut
// to 254 characters. A name that repeats an earlier one in another letter
// case is dropped and the names after it move up, so that the list holds as
// many names as different ones were handed over.
std::vector<std::string> HandedOverNames(const std::function<std::string(int key)>& valueOf);

// The value of each key of a profile section as the system's profile reader
// hands one out, from the section's lines ("key=value", each ending in a
// zero): blanks trimmed, a pair of quotes around it dropped, the first of
// keys that differ only in letter case.
std::function<std::string(int key)> FileKeysOf(std::string_view section);

}  // namespace quorvex
