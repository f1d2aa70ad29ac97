#include "sources/win32/PaneStatus.h"

#include "platform/win32/WindowText.h"
#include "sources/ItemCount.h"

namespace quorvex {

std::int64_t CountItems(HWND box) {
    const LRESULT lines = SendMessageA(box, EM_GETLINECOUNT, 0, 0);
    return ItemCountFromLines(lines, WindowText(box));
}

}  // namespace quorvex
