// Each pane's Open, Copy and Save buttons. While the results are shown, Copy
// and Save take the pane's result list, otherwise its text.
#include "app/Quorvex.h"
#include "compare/TextRoutines.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/OpenSaveDialogs.h"
#include "platform/WindowText.h"

namespace quorvex {
namespace {

const char kFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
const char kSameFileQuestion[] =
    "You've selected the same file for both sides; are you sure you want to compare this file with itself?";

}  // namespace

bool Quorvex::ResultsShown() const { return CompareIt[0].Pressed() || CompareIt[1].Pressed(); }

// The result list with a CR LF after every item, the last one too.
std::string Quorvex::PaneContent(int index) const {
    if (!ResultsShown()) return WindowText(Textbox[index]);
    std::string content;
    std::string item;
    const LRESULT count = SendMessageA(Listbox[index], LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(Listbox[index], LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) continue;
        item.assign(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied =
            SendMessageA(Listbox[index], LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        content.append(item.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
        content += "\r\n";
    }
    return content;
}

bool Quorvex::ConfirmSameFile() {
    return ShowMessageBox(hwnd_, {.text = kSameFileQuestion, .style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1}) ==
           IDYES;
}

void Quorvex::BtnOpen_Click(int index) {
    const std::string path = ShowOpenDialog(hwnd_, "Select a file to compare", "", kFilter);
    if (TrimSpaces(path).empty()) return;
    if (path == Status[1 - index].Tag && !ConfirmSameFile()) return;
    OpenFile(path, index);
}

// "Folder" opens the folder picker, which is not built yet.
void Quorvex::BtnOpen_DropDown(int index, const std::string& key) {
    if (key == "File") BtnOpen_Click(index);
}

void Quorvex::BtnCopy_Click(int index) {
    const std::string content = PaneContent(index);
    if (content.empty()) {
        ShowMessageBox(hwnd_, {.text = "Nothing to copy.", .style = MB_OK | MB_ICONSTOP});
        return;
    }
    PutTextOnClipboard(hwnd_, content);
}

void Quorvex::BtnSave_Click(int index) {
    const std::string content = PaneContent(index);
    if (content.empty()) {
        ShowMessageBox(hwnd_, {.text = "Nothing to save.", .style = MB_OK | MB_ICONSTOP});
        return;
    }
    const std::string path = ShowSaveDialog(hwnd_, "Save List As", "", "txt", kFilter);
    if (TrimSpaces(path).empty()) return;
    if (path == Status[1 - index].Tag && !ConfirmSameFile()) return;
    SaveFile(path, content);
}

// The content is written exactly as given, with no line end added: a list
// saved and opened again is the same list, and result lists already end
// every item with CR LF. A failed write leaves any earlier file whole.
void Quorvex::SaveFile(const std::string& filename, const std::string& content) {
    WriteFileReplacing(filename, content);
}

}  // namespace quorvex
