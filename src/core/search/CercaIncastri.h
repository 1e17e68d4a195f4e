#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Incastro: the ways the typed word is a word B set strictly inside a word A, both of two
// letters or more: A's beginning, B between round brackets, A's end (pastore: pa(sto)re).
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaIncastri(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaIncastri(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
