#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace verbolario::byte {

// Whether s holds the byte a or the byte b. Plain searches ask this of every entry of a
// dictionary, most entries longer than eight characters, so it looks at eight bytes at a
// time: a byte equal to c shows as a zero byte of x ^ c...c.
inline bool haUnoDi(std::string_view s, char a, char b) {
    constexpr uint64_t kUni = 0x0101010101010101ull;
    auto ha = [](uint64_t x, char c) {
        const uint64_t y = x ^ (kUni * static_cast<unsigned char>(c));
        return ((y - kUni) & ~y & (kUni << 7)) != 0;
    };
    auto otto = [&s](size_t k) {
        uint64_t x;
        std::memcpy(&x, s.data() + k, 8);
        return x;
    };
    const size_t n = s.size();
    if (n < 8) {
        for (char c : s)
            if (c == a || c == b) return true;
        return false;
    }
    for (size_t k = 0; k + 8 <= n; k += 8)
        if (ha(otto(k), a) || ha(otto(k), b)) return true;
    const uint64_t coda = otto(n - 8);
    return ha(coda, a) || ha(coda, b);
}

} // namespace verbolario::byte
