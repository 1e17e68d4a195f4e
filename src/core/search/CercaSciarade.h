#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Sciarada: the ways the typed word splits into two words of two letters or more
// (portafoglio: porta foglio), or into three with tre. Each way is listed as its words, as
// the dictionary writes them, separated by one blank.
// From the word order (IndiceParole), built on first use.
RisultatoRicerca CercaSciarade(std::string_view testo, bool tre, const Voci& voci);
// The same from one plain pass over the source.
RisultatoRicerca CercaSciarade(std::string_view testo, bool tre, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
