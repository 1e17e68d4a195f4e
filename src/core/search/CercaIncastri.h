#pragma once

#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Incastro: the ways the typed word is a word B set strictly inside a word A, both of two
// letters or more: A's beginning, B between round brackets, A's end (pastore: pa(sto)re).
RisultatoRicerca CercaIncastri(std::string_view testo, const Voci& voci);

} // namespace verbolario
