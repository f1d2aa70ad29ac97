#include "sources/win32/PaneCommands.h"

#include "compare/TextRoutines.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/MessageBoxes.h"
#include "platform/win32/OpenSaveDialogs.h"

namespace quorvex {
namespace {

const char kFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
const char kSameFileQuestion[] =
    "You've selected the same file for both sides; are you sure you want to compare this file with itself?";

// A path that names the other pane's source asks first; letter case counts.
std::string Confirmed(HWND owner, std::string path, const std::string& otherSourceLabel) {
    if (TrimSpaces(path).empty()) return {};
    if (path == otherSourceLabel &&
        ShowMessageBox(owner, {.text = kSameFileQuestion, .style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1}) !=
            IDYES)
        return {};
    return path;
}

bool SaidEmpty(HWND owner, const std::string& content, const char* message) {
    if (!content.empty()) return false;
    ShowMessageBox(owner, {.text = message, .style = MB_OK | MB_ICONSTOP});
    return true;
}

}  // namespace

std::string AskFileToOpen(HWND owner, const std::string& otherSourceLabel) {
    return Confirmed(owner, ShowOpenDialog(owner, "Select a file to compare", "", kFilter), otherSourceLabel);
}

void CopyContent(HWND owner, const std::string& content) {
    if (!SaidEmpty(owner, content, "Nothing to copy.")) PutTextOnClipboard(owner, content);
}

std::string AskFileToSave(HWND owner, const std::string& content, const std::string& otherSourceLabel) {
    if (SaidEmpty(owner, content, "Nothing to save.")) return {};
    return Confirmed(owner, ShowSaveDialog(owner, "Save List As", "", "txt", kFilter), otherSourceLabel);
}

}  // namespace quorvex
