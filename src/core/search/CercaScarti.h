#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Scarto: the words that are the typed word with one of its letters removed (carro: caro).
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaScarti(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaScarti(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
