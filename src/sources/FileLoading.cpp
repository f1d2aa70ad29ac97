// A pane's list read from a text file: every byte one character of the ANSI
// code page, line feeds made CR LF when the file has no carriage return.
#include "app/QuorvexModel.h"

#include <new>

#include "sources/ListText.h"

namespace quorvex {

// The question needs the length: a file that cannot be measured is read, or
// found missing, without it. A file that cannot be opened, or that memory
// cannot hold, empties the pane and still names it.
void QuorvexModel::OpenFile(const std::string& filename, int index) {
    const auto length = port_.FileLength(filename);
    if (length && *length > kLargeFileBytes && !port_.Ask(Question::LargeFile, filename)) return;
    std::string text;
    try {
        text = port_.ReadFile(filename);
        NormaliseLineEnds(text);
    } catch (const std::bad_alloc&) {
        text = std::string();
    }
    port_.SetText(index, text);
    Textbox_Change(index);
    sourceLabel_[index] = filename;
}

}  // namespace quorvex
