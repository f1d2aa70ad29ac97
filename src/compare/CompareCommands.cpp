// The compare buttons switch the form between the edit view (the panes' text
// boxes) and the results view (their result list boxes), and the comparison
// that fills the result lists.
#include <cstdlib>
#include <string>

#include "app/Quorvex.h"
#include "compare/CompareEngine.h"
#include "platform/Handles.h"
#include "platform/WindowText.h"

namespace quorvex {
namespace {

bool IsChecked(HWND checkBox) { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Adds the items without redrawing in between, and lets the list scroll
// sideways as far as its widest item.
void FillListbox(HWND listbox, const std::vector<std::string_view>& items) {
    SendMessageA(listbox, WM_SETREDRAW, FALSE, 0);
    std::size_t bytes = 0;
    for (const auto item : items) bytes += item.size() + 1;
    SendMessageA(listbox, LB_INITSTORAGE, items.size(), bytes);
    LONG widest = 0;
    {
        const WindowDC dc(listbox);
        const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(listbox, WM_GETFONT, 0, 0)));
        std::string item;
        for (const auto view : items) {
            item.assign(view);
            SendMessageA(listbox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            SIZE extent{};
            if (dc.get() && GetTextExtentPoint32A(dc.get(), item.c_str(), static_cast<int>(item.size()), &extent) &&
                extent.cx > widest)
                widest = extent.cx;
        }
    }
    SendMessageA(listbox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
    SendMessageA(listbox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listbox, nullptr, TRUE);
}

std::string CountText(HWND listbox) {
    const LRESULT count = SendMessageA(listbox, LB_GETCOUNT, 0, 0);
    return std::to_string(count < 0 ? 0 : count) + " items";
}

}  // namespace

void Quorvex::CompareIt_Click(int index) {
    const int other = std::abs(index - 1);
    const bool wasPressed = CompareIt[index].Pressed();
    CompareIt[index].SetPressed(!wasPressed);
    CompareIt[other].SetPressed(false);
    if (CompareIt[0].Pressed() || CompareIt[1].Pressed()) {
        ShowWindow(Textbox[0], SW_HIDE);
        ShowWindow(Textbox[1], SW_HIDE);
        ShowWindow(Listbox[0], SW_SHOW);
        ShowWindow(Listbox[1], SW_SHOW);
        DoCompare();
        BtnOpen[0].SetEnabled(false);
        BtnOpen[1].SetEnabled(false);
    } else {
        ShowWindow(Textbox[0], SW_SHOW);
        ShowWindow(Textbox[1], SW_SHOW);
        ShowWindow(Listbox[0], SW_HIDE);
        ShowWindow(Listbox[1], SW_HIDE);
        StatusTimer[0].SetEnabled(true);
        StatusTimer[1].SetEnabled(true);
        BtnOpen[0].SetEnabled(true);
        BtnOpen[1].SetEnabled(true);
    }
    CompareIt[index].Focus();
}

void Quorvex::DoCompare() {
    SendMessageA(Listbox[0], LB_RESETCONTENT, 0, 0);
    SendMessageA(Listbox[1], LB_RESETCONTENT, 0, 0);
    try {
        const std::string left = WindowText(Textbox[0]);
        const std::string right = WindowText(Textbox[1]);
        CompareOptions options;
        options.mode = (!CompareIt[0].Pressed() && CompareIt[1].Pressed()) ? CompareMode::Differences
                                                                           : CompareMode::Similarities;
        options.caseRule = SendMessageA(OptCaseSensitive, BM_GETCHECK, 0, 0) != BST_UNCHECKED ? CaseRule::Folded
                                                                                              : CaseRule::Exact;
        options.sort = IsChecked(OptSort);
        const CompareResult result = CompareLists(left, right, options);
        FillListbox(Listbox[0], result.left);
        FillListbox(Listbox[1], result.right);
    } catch (const std::exception&) {
        // Out of memory for the lists: the result lists keep what was added,
        // and the counts below still tell what they hold.
        SendMessageA(Listbox[0], WM_SETREDRAW, TRUE, 0);
        SendMessageA(Listbox[1], WM_SETREDRAW, TRUE, 0);
    }
    SetWindowTextA(Status[0].hWnd, CountText(Listbox[0]).c_str());
    SetWindowTextA(Status[1].hWnd, CountText(Listbox[1]).c_str());
}

}  // namespace quorvex
