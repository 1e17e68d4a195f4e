#pragma once

#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Cambio: the words as long as the typed word that differ from it at exactly one place, with
// any letter there (cane: cade, pane, cene...).
RisultatoRicerca CercaCambi(std::string_view testo, const Voci& voci);

} // namespace verbolario
