// Owners for Windows handles: each closes its handle once, cannot be copied,
// and can be moved.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvex {

template <class Handle, class Close, Handle kInvalid = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, kInvalid)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, kInvalid);
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != kInvalid; }
    void reset(Handle handle = kInvalid) {
        if (handle_ != kInvalid) Close{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = kInvalid;
};

struct CloseGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct FreeLibraryHandle {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, CloseGdiObject>;
using UniqueFont = UniqueHandle<HFONT, CloseGdiObject>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueModule = UniqueHandle<HMODULE, FreeLibraryHandle>;

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

}  // namespace quorvex
