#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Zeppa: the words that are the typed word with one letter inserted anywhere (cane: cagne,
// canne, carne).
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaZeppe(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaZeppe(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
