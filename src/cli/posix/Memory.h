// How much memory quorvex-compare may take on Linux.
#pragma once

#include <cstdint>

namespace quorvex::cli {

// The least of: the memory the system has free, the room left under this
// process's cgroup's limit, and half the room left under its address-space
// and data limits.
std::uint64_t AvailableMemoryHere();

}  // namespace quorvex::cli
