// Every registry read and write of the program: string values only, the key
// opened and closed within each call, failures showing only as an empty
// result.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

// The value's text up to its first zero character, or the empty text. The
// key is created when it is missing, as the create-or-open call does.
std::string GetRegString(HKEY root, const std::string& keyPath, const std::string& valueName);

// Writes the text as a string value (no terminating zero counted), creating
// the key and the keys above it when needed.
void SaveRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text);

}  // namespace quorvex
