#pragma once

#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Scarto: the words that are the typed word with one of its letters removed (carro: caro).
RisultatoRicerca CercaScarti(std::string_view testo, const Voci& voci);

} // namespace verbolario
