#include "dictionary/Riordina.h"

#include <array>

namespace verbolario {

void Riordina(std::string_view s, std::string& out) {
    out.clear();
    for (char c : s)
        if (static_cast<unsigned char>(c) > 64) out.push_back(c);
    const size_t n = out.size();
    if (n <= 48) {
        // Words are short: insertion sort beats any setup cost.
        for (size_t i = 1; i < n; ++i) {
            const auto t = static_cast<unsigned char>(out[i]);
            size_t j = i;
            for (; j > 0 && static_cast<unsigned char>(out[j - 1]) > t; --j) out[j] = out[j - 1];
            out[j] = static_cast<char>(t);
        }
        return;
    }
    std::array<size_t, 256> conta{};
    for (char c : out) ++conta[static_cast<unsigned char>(c)];
    size_t w = 0;
    for (unsigned c = 65; c < 256; ++c)
        for (size_t k = 0; k < conta[c]; ++k) out[w++] = static_cast<char>(c);
}

std::string Riordina(std::string_view s) {
    std::string out;
    Riordina(s, out);
    return out;
}

void QSort(std::vector<uint8_t>& codes, int64_t low, int64_t high) {
    // Recurse into the smaller part and loop over the larger, so the depth stays logarithmic.
    while (low < high) {
        int64_t i = low, j = high;
        const uint8_t pivot = codes[static_cast<size_t>(low + (high - low) / 2)];
        do {
            while (codes[static_cast<size_t>(i)] < pivot) ++i;
            while (codes[static_cast<size_t>(j)] > pivot) --j;
            if (i <= j) {
                std::swap(codes[static_cast<size_t>(i)], codes[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - low < high - i) {
            if (low < j) QSort(codes, low, j);
            low = i;
        } else {
            if (i < high) QSort(codes, i, high);
            high = j;
        }
    }
}

} // namespace verbolario
