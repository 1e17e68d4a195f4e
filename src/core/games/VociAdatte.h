#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace verbolario {

class Voci;

// The entries the timed game may use, grouped by length: every entry of 6 to 16 characters
// (comment included), by index. Built once per dictionary (Voci::derived) so that a game is
// drawn among the suitable entries directly instead of rejecting the rest one by one.
class VociAdatte {
public:
    static constexpr int kMinima = 6;
    static constexpr int kMassima = 16;

    explicit VociAdatte(const Voci& voci);

    // How many entries are kMinima..lunghezzaLimite long.
    size_t quante(int lunghezzaLimite) const;
    // The k-th of those (0 <= k < quante), as an index into the dictionary: the shorter
    // lengths first, dictionary order within a length.
    uint32_t indice(size_t k, int lunghezzaLimite) const;

private:
    std::array<std::vector<uint32_t>, kMassima - kMinima + 1> perLunghezza_;
};

} // namespace verbolario
