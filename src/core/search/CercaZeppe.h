#pragma once

#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Zeppa: the words that are the typed word with one letter inserted anywhere (cane: cagne,
// canne, carne).
RisultatoRicerca CercaZeppe(std::string_view testo, const Voci& voci);

} // namespace verbolario
