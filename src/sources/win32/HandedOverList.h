// The handed-over list file read with the system's profile reader.
#pragma once

#include <string>
#include <vector>

namespace quorvex {

// The names the profile file holds (HandedOverNames). The file is deleted
// whether or not anything was read.
std::vector<std::string> ReadHandedOverList(const std::string& listFile);

}  // namespace quorvex
