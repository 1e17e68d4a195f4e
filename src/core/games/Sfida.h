#pragma once

#include <array>
#include <string>
#include <string_view>

namespace verbolario {

// One round of the timed game: the missing part and the four different entries that hold
// it, all Windows-1252 as stored (lower case, accents kept).
struct Sfida {
    static constexpr size_t kParole = 4;

    std::string parte;
    std::array<std::string, kParole> voci;

    // What a word shows while the round runs: in capitals, with the first occurrence of the
    // part replaced by as many "+" signs.
    std::string nascosta(size_t i) const;
    // The word whole, in capitals: the "+" run back to the part.
    std::string svelata(size_t i) const;
};

// The entry in capitals with the first occurrence of `parte` turned into "+" signs.
std::string testoNascosto(std::string_view voce, std::string_view parte);

} // namespace verbolario
