#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// With an empty input box, the palindromes of the dictionary; otherwise the entries that
// contain the typed letters written backwards, the occurrence marked with hyphens
// (amo lists roma as r-oma-). Entries of 1 or 2 characters are never listed. The box's
// text is taken as it is, untrimmed: it chooses the search and the wording of the count.
// The palindromes come from their list when it has been built (Voci::derived<
// IndicePalindromi>), else from one look at every entry.
RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, const Voci& voci, Poll& poll);
RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
