// Owners for Windows handles: each closes its handle once, cannot be copied,
// and can be moved.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvex {

// Traits name the handle type, its invalid value and how to close it.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }
    // Gives the handle up without closing it.
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }

private:
    Handle handle_ = Traits::Invalid();
};

template <class H, void (*CloseFunction)(H)>
struct NullInvalid {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { FindClose(handle); }
};

using UniqueBitmap = UniqueHandle<NullInvalid<HGDIOBJ, DeleteGdiObject>>;
using UniqueMenu = UniqueHandle<NullInvalid<HMENU, DestroyMenuHandle>>;
using UniqueGlobal = UniqueHandle<NullInvalid<HGLOBAL, FreeGlobal>>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;

// The screen's device context, released when done.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Shows the wait cursor while a long operation keeps the window busy.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)))) {}  // IDC_WAIT
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace quorvex
