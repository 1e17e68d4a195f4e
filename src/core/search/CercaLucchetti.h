#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Lucchetto: the pairs of words A = x + y and B = y + z whose common part y (two letters or
// more) drops out to leave the typed word x + z, with x and z not empty; each pair listed as
// "A B" (capo, polo: calo). A stop request keeps the pairs found so far.
// From the word orders (IndiceParole), built on first use.
RisultatoRicerca CercaLucchetti(std::string_view testo, const Voci& voci, Poll& poll);
// The same from one plain pass over the source.
RisultatoRicerca CercaLucchetti(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
