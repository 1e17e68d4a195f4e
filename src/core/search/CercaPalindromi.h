#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// With an empty input box, the palindromes of the dictionary; otherwise the entries that
// contain the typed letters written backwards, the occurrence marked with hyphens
// (amo lists roma as r-oma-). Entries of 1 or 2 characters are never listed. The box's
// text is taken as it is, untrimmed: it chooses the search and the wording of the count.
RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, const Voci& voci, Poll& poll);

} // namespace verbolario
