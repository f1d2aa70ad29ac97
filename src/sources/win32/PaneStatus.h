// A pane's item count, read from its text box.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quorvex {

// The box's own line count corrected by its text (see ItemCount.h).
std::int64_t CountItems(HWND box);

}  // namespace quorvex
