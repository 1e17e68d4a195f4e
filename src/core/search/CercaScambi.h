#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// The entries that differ from the typed word (trimmed and lower-cased here) only by
// exchanged vowels (tipo 0) or consonants (any other tipo): exactly one exchanged letter,
// or with tutte any number of them. Accents are folded on both sides; entries must have the
// word's stored length. The word's own characters stand for themselves: "?" or "*" typed in
// it match only the same sign. Nothing is searched for an empty word (eseguita false).
// Entries come grouped by length from the pattern index when it has been built
// (Voci::derived<IndiceModello>), else every entry is looked at once.
RisultatoRicerca CercaScambi(int tipo, std::string_view testoText1, bool tutte, const Voci& voci,
                             Poll& poll);
RisultatoRicerca CercaScambi(int tipo, std::string_view testoText1, bool tutte, FonteVoci& fonte,
                             Poll& poll);

} // namespace verbolario
