#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Cambio: the words as long as the typed word that differ from it at exactly one place, with
// any letter there (cane: cade, pane, cene...).
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaCambi(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaCambi(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
