#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Bifronte: with a word typed, the word it makes read backwards (arpa: apra), when that is
// another word (a palindrome is not its own bifronte). With nothing typed, every pair of
// different words that are each other's reversal, once, as "apra arpa": the word first in
// the alphabet first. A typed text without letters finds nothing. A stop request keeps the
// pairs found so far.
// From the word orders (IndiceParole), built on first use.
RisultatoRicerca CercaBifronti(std::string_view testo, const Voci& voci, Poll& poll);
// The same from a plain pass over the source; two passes for every pair.
RisultatoRicerca CercaBifronti(std::string_view testo, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
