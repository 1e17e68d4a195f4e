#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Antipodo: the word made by moving the typed word's first letter to the end, or its last
// letter to the front (ramo: amor; amor: ramo). The word itself is not one of them.
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaAntipodi(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaAntipodi(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
