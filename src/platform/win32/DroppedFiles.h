// Files and folders dropped from the shell onto a window that accepts them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvex {

struct DroppedFiles {
    int x = 0;  // client pixels
    std::vector<std::string> paths;
};

// Reads a drop (WM_DROPFILES) and releases it.
DroppedFiles TakeDrop(WPARAM drop);

}  // namespace quorvex
