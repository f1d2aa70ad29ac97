#include "platform/win32/Clipboard.h"

#include <cstring>

#include "platform/win32/Handles.h"

namespace quorvex {
namespace {

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::string& text) {
    OpenedClipboard clipboard(owner);
    if (!clipboard) return false;
    EmptyClipboard();
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (target == nullptr) return false;
    std::memcpy(target, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());
    if (SetClipboardData(CF_TEXT, memory.get()) == nullptr) return false;
    memory.release();  // the clipboard owns it now
    return true;
}

}  // namespace quorvex
