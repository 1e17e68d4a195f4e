#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <string>
#include <vector>

namespace verbolario {

// On a sorted array: in every run of equal non-empty texts all but the last become empty.
// Returns how many were blanked. The blanked slots stay (callers drop them when they write
// or rebuild the list).
int64_t EliminaDoppi(std::vector<std::string>& elenco);

// The same over the dictionary in memory.
int64_t CleanArray(Voci& voci);

} // namespace verbolario
