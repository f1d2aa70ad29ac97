// Replaces the global operator new and delete with versions that count the
// bytes the C runtime really gave, so that a benchmark can report the most
// its code held at once. Include it in one file of a benchmark program only:
// the replacements must exist once per program.
#pragma once

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace counted {

inline std::atomic<std::size_t> liveBytes{0}, peakBytes{0};

inline std::size_t SizeOf(void* p) {
#ifdef _WIN32
    return _msize(p);
#else
    return malloc_usable_size(p);
#endif
}

}  // namespace counted

// GCC takes free() of what this operator new returned for a mismatched pair;
// both sides are malloc's here.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    const std::size_t live = counted::liveBytes += counted::SizeOf(p);
    for (std::size_t peak = counted::peakBytes; live > peak && !counted::peakBytes.compare_exchange_weak(peak, live);) {
    }
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept {
    if (p) counted::liveBytes -= counted::SizeOf(p);
    std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }
