#pragma once

#include "dictionary/Lotto.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace verbolario {

struct Occorrenza {
    uint32_t voce;      // index into the dictionary
    uint32_t posizione; // 0-based place of the first occurrence inside the entry
};

// Appends the first occurrence of testo in every entry of the run longer than 2 characters
// that holds it, in dictionary order. testo must not be empty nor hold a line end (it is
// made of letters). A run in order is searched as one stretch of memory, many places per
// step; otherwise entry by entry.
void TestoNelleVoci(const Lotto& lotto, std::string_view testo, std::vector<Occorrenza>& trovate);

} // namespace verbolario
