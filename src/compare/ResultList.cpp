#include "compare/ResultList.h"

#include <string>

#include "platform/Handles.h"

namespace quorvex {
namespace {

// Redraw stays off while the items go in, and comes back even when adding
// them runs out of memory.
class RedrawOff {
public:
    explicit RedrawOff(HWND window) : window_(window) { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawOff() {
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    HWND window_;
};

}  // namespace

void FillResultList(HWND listbox, const std::vector<std::string_view>& items) {
    const RedrawOff quiet(listbox);
    SendMessageA(listbox, LB_RESETCONTENT, 0, 0);
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
            if (SendMessageA(listbox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())) < 0) break;
            SIZE extent{};
            if (dc.get() && GetTextExtentPoint32A(dc.get(), item.c_str(), static_cast<int>(item.size()), &extent) &&
                extent.cx > widest)
                widest = extent.cx;
        }
    }
    SendMessageA(listbox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

}  // namespace quorvex
