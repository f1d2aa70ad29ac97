// The texts that the common Open and Save dialogs take and give back.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// "Text Files (*.txt)|*.txt|..." with each bar turned into a zero character
// and two more zero characters at the end, as the dialogs read filters.
std::string DialogFilter(std::string_view filter);

// The folder part of a path (up to and including its last "\") and its
// file-name part.
struct SplitPath {
    std::string folder;
    std::string fileName;
};
SplitPath SplitInitialPath(std::string_view path);

// The chosen path in a dialog's file buffer: the text before its first zero
// character, or the empty text when that text is empty.
std::string PathFromFileBuffer(std::string_view buffer);

}  // namespace quorvex
