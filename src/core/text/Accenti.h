#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Finding and folding accented vowels. Only the 22 lower-case accented vowels count;
// capitals are left alone.
namespace verbolario::accenti {

// Position (1-based) of the first occurrence of the accented vowel that comes first in the
// accent table (not the one first in the text); with dallaFine, the number of characters
// after it. 0 when the text holds no accented vowel.
int64_t Accentazione(std::string_view s, bool dallaFine = false);

namespace detail {
struct TavolaPiana {
    std::array<unsigned char, 256> t{};
    constexpr TavolaPiana() {
        for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
        auto span = [this](int from, int to, char v) {
            for (int c = from; c <= to; ++c) t[c] = static_cast<unsigned char>(v);
        };
        span(0xE0, 0xE4, 'a');
        span(0xE8, 0xEB, 'e');
        span(0xEC, 0xEF, 'i');
        span(0xF2, 0xF6, 'o');
        span(0xF9, 0xFC, 'u');
    }
};
inline constexpr TavolaPiana kTavolaPiana;
} // namespace detail

// The plain vowel of an accented one; any other character is returned as it is. Searches
// fold every character of millions of entries, so this is a table look-up in place.
constexpr unsigned char piana(unsigned char c) {
    return detail::kTavolaPiana.t[c];
}

// Folds the one vowel that Accentazione picks. When there is none, or it is the last
// character and mantieniFinale is set, the text comes back unchanged and fatto is set.
std::string TogliAccento(std::string_view s, bool mantieniFinale, bool& fatto);

// Folds accented vowels until none is left or (with mantieniFinale) the one picked is the
// last character; adds one to contatore per folded vowel.
std::string NoAcc(std::string_view s, bool mantieniFinale, int64_t& contatore);
// Every accented vowel folded.
std::string NoAcc(std::string_view s);
// In place, every accented vowel folded; returns how many were.
int64_t foldAll(std::string& s);
inline bool haAccenti(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0xE0 &&
            piana(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c))
            return true;
    return false;
}

} // namespace verbolario::accenti
