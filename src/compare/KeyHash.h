// The hash that groups items by their keys, in memory and on disk alike.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace quorvex {

// A 64-bit hash of `key`; other seeds give other, independent hashes.
inline std::uint64_t Hash64(std::string_view key, std::uint64_t seed = 0) {
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
    const auto load = [](const char* p, std::size_t size) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, size);
        return word;
    };
    const auto mix = [](std::uint64_t h, std::uint64_t word) {
        h = (h ^ word) * kMul;
        return h ^ (h >> 29);
    };
    std::uint64_t h = (key.size() + seed) * kMul ^ seed;
    const char* p = key.data();
    std::size_t n = key.size();
    // The last word overlaps the one before it: no tail to copy byte by byte.
    if (n >= 8) {
        for (; n > 8; p += 8, n -= 8) h = mix(h, load(p, 8));
        h = mix(h, load(p + n - 8, 8));
    } else if (n >= 4) {
        h = mix(h, load(p, 4) << 32 | load(p + n - 4, 4));
    } else if (n > 0) {
        h = mix(h, load(p, 1) | load(p + n / 2, 1) << 8 | load(p + n - 1, 1) << 16);
    }
    h *= 0xD6E8FEB86659FD93ull;
    return h ^ (h >> 32);
}

}  // namespace quorvex
