#pragma once

#include <array>
#include <string_view>

// The letter sets every search shares, as single-byte Windows-1252 text.
namespace verbolario::lettere {

// Five plain vowels, then the 22 accented ones in the order the accent finder tries them.
inline constexpr std::string_view kVocali =
    "aeiou\xE0\xE1\xE2\xE3\xE4\xE8\xEA\xEB\xE9\xEC\xEE\xEF\xED\xF2\xF3\xF4\xF5\xF6\xF9\xFC\xFA\xFB";
inline constexpr std::string_view kVocaliAccentate = kVocali.substr(5);
inline constexpr std::string_view kConsonanti = "bcdfghjklmnpqrstvwxyz";
// The marker that takes the place of a letter already used up in a multiset comparison.
inline constexpr char kSegno = '\xDE';

namespace detail {
struct Classi {
    std::array<unsigned char, 256> bits{};
    constexpr Classi() {
        for (char c : kVocali) bits[static_cast<unsigned char>(c)] |= 1;
        for (char c : kVocaliAccentate) bits[static_cast<unsigned char>(c)] |= 2;
        for (char c : kConsonanti) bits[static_cast<unsigned char>(c)] |= 4;
        for (char c = 'a'; c <= 'u'; c = static_cast<char>(c + 1))
            if (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u')
                bits[static_cast<unsigned char>(c)] |= 8;
    }
};
inline constexpr Classi kClassi;
} // namespace detail

inline bool isVocale(unsigned char c) { return detail::kClassi.bits[c] & 1; }
inline bool isVocaleAccentata(unsigned char c) { return detail::kClassi.bits[c] & 2; }
inline bool isConsonante(unsigned char c) { return detail::kClassi.bits[c] & 4; }
inline bool isVocalePiana(unsigned char c) { return detail::kClassi.bits[c] & 8; }
// The 48 letters of the search alphabet (lower case only).
inline bool isAlfabeto(unsigned char c) { return detail::kClassi.bits[c] & 5; }

} // namespace verbolario::lettere
