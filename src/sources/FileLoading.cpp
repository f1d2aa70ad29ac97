// A pane filled from a text file: every byte one character of the ANSI code
// page, line feeds made CR LF when the file has no carriage return at all.
#include "app/ProgramValues.h"
#include "app/Quorvex.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "platform/MessageBoxes.h"
#include "sources/ListText.h"

namespace quorvex {
namespace {

constexpr std::uint64_t kLargeFileBytes = 50000;
const char kLargeFileWarning[] =
    "Warning: the file you've opened is quite large, which may cause Quorvex to run more slowly or even stop "
    "responding.  Do you want to proceed?";

}  // namespace

void Quorvex::OpenFile(const std::string& filename, int index) {
    // The question needs the length; a file that cannot be measured is read
    // (or found missing) without it.
    const auto length = FileLength(filename);
    if (length && *length > kLargeFileBytes &&
        ShowMessageBox(hwnd_, {.text = kLargeFileWarning, .style = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON1}) !=
            IDYES)
        return;
    WaitCursor busy;
    // A file that cannot be opened gives the empty text; a read that fails
    // part-way gives what was read.
    ReadResult file = ReadWholeFile(filename);
    NormaliseLineEnds(file.bytes);
    SetWindowTextA(Textbox[index], file.bytes.c_str());
    Textbox_Change(index);  // a multi-line text box reports no change of its own for a whole new text
    Status[index].Tag = filename;
}

}  // namespace quorvex
