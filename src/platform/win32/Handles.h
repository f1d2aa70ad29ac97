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

// GDI objects by kind, so that a brush never sits in a bitmap's owner.
inline void DeleteFontHandle(HFONT font) { DeleteObject(font); }
inline void DeleteBitmapHandle(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void DeleteBrushHandle(HBRUSH brush) { DeleteObject(brush); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }
inline void CloseKey(HKEY key) { RegCloseKey(key); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }

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

using UniqueFont = UniqueHandle<NullInvalid<HFONT, DeleteFontHandle>>;
using UniqueBitmap = UniqueHandle<NullInvalid<HBITMAP, DeleteBitmapHandle>>;
using UniqueBrush = UniqueHandle<NullInvalid<HBRUSH, DeleteBrushHandle>>;
// A device context made with CreateCompatibleDC; a window's is WindowDC.
using UniqueMemoryDC = UniqueHandle<NullInvalid<HDC, DeleteMemoryDC>>;
using UniqueMenu = UniqueHandle<NullInvalid<HMENU, DestroyMenuHandle>>;
// An icon loaded without LR_SHARED (a shared one is the system's to keep).
using UniqueIcon = UniqueHandle<NullInvalid<HICON, DestroyIconHandle>>;
using UniqueGlobal = UniqueHandle<NullInvalid<HGLOBAL, FreeGlobal>>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueKey = UniqueHandle<NullInvalid<HKEY, CloseKey>>;
using UniqueThread = UniqueHandle<NullInvalid<HANDLE, CloseKernelHandle>>;

// A window's device context (the screen's for a null window), released when
// done.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Shows the wait cursor while a long operation keeps the window busy.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace quorvex
