#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Spostamento: the words made by moving one letter of the typed word to another place
// (arpa: rapa). The word itself is not one of them.
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaSpostamenti(std::string_view testo, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaSpostamenti(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
