// Large blocks straight from the kernel, in huge pages where it has them. A
// million-item comparison touches tens of thousands of fresh 4 KB pages, and
// on a virtual machine each first touch traps: a fresh process spent more
// time in those traps than in the comparison itself.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLarge = std::size_t{1} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Before each block, its mapping's length (0 for a block from malloc),
// keeping the block aligned as operator new must.
constexpr std::size_t kHeader = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

// A mapping of at least `length` bytes that starts on a huge page, the
// overhang on either side given back.
void* HugeAlignedMapping(std::size_t length) {
    const std::size_t mapped = length + kHugePage;
    void* const start = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return nullptr;
    const auto first = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t aligned = (first + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > first) munmap(start, aligned - first);
    const std::uintptr_t end = first + mapped, used = aligned + length;
    if (end > used) munmap(reinterpret_cast<void*>(used), end - used);
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);  // a hint: errors change nothing
    return reinterpret_cast<void*>(aligned);
}

void* FromMalloc(std::size_t size) {
    auto* const block = static_cast<std::size_t*>(std::malloc(kHeader + size));
    if (block == nullptr) return nullptr;
    *block = 0;
    return reinterpret_cast<char*>(block) + kHeader;
}

void* Allocate(std::size_t size) {
    if (size > SIZE_MAX - kHugePage - kHeader) return nullptr;
    if (size < kLarge) return FromMalloc(size);
    // Whole huge pages: a partial last one would be touched 4 KB at a time.
    const std::size_t length = (kHeader + size + kHugePage - 1) / kHugePage * kHugePage;
    auto* const block = static_cast<std::size_t*>(HugeAlignedMapping(length));
    // Under a tight address-space limit the room to align may be missing
    // where the block itself still fits.
    if (block == nullptr) return FromMalloc(size);
    *block = length;
    return reinterpret_cast<char*>(block) + kHeader;
}

}  // namespace

void* operator new(std::size_t size) {
    for (;;) {
        if (void* const block = Allocate(size)) return block;
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) throw std::bad_alloc();
        handler();
    }
}

// GCC sees free() given what operator new returned; it is given the block
// that FromMalloc took from malloc, the header before it.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* pointer) noexcept {
    if (pointer == nullptr) return;
    auto* const block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - kHeader);
    if (*block == 0)
        std::free(block);
    else
        munmap(block, *block);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }
