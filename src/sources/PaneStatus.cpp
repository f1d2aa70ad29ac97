// Each pane's status box shows its item count and source a moment after the
// last change of its text, not on every keystroke.
#include <string>

#include "app/ProgramValues.h"
#include "app/Quorvex.h"
#include "platform/WindowText.h"
#include "sources/ItemCount.h"

namespace quorvex {

std::int64_t CountItems(HWND box) {
    const LRESULT lines = SendMessageA(box, EM_GETLINECOUNT, 0, 0);
    return ItemCountFromLines(lines, WindowText(box));
}

void Quorvex::Textbox_Change(int index) {
    if (Program().listingInProgress) return;
    if (GetWindowTextLengthA(Textbox[index]) == 0) Status[index].Tag.clear();
    StatusTimer[index].SetEnabled(false);
    StatusTimer[index].SetEnabled(true);
}

void Quorvex::StatusTimer_Timer(int index) {
    StatusTimer[index].SetEnabled(false);
    std::string text = std::to_string(CountItems(Textbox[index])) + " items";
    if (!Status[index].Tag.empty()) text += " - " + Status[index].Tag;
    SetWindowTextA(Status[index].hWnd, text.c_str());
}

}  // namespace quorvex
