// A result list box filled with the kept items of a comparison.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace quorvex {

// Replaces the list's items, without redrawing in between, and lets it scroll
// sideways as far as its widest item.
void FillResultList(HWND listbox, const std::vector<std::string_view>& items);

}  // namespace quorvex
