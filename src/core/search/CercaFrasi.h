#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <cstddef>
#include <string_view>

namespace verbolario {

struct OpzioniFrasi {
    int parole = 3;    // words of a phrase at most, 1 to 5
    int minimo = 3;    // letters of each word at least
    size_t limite = 0; // stop once this many phrases are found; 0 for no limit
};

// Anagrammi di frase: every set of one word up to opzioni.parole words, of opzioni.minimo
// letters or more each, that together use exactly the letters of the typed text (blanks and
// signs do not count). Each set is listed once, as its words separated by one blank, longest
// first (equal lengths in alphabetical order); the list goes by the first word. The typed
// words themselves are not listed. A stop request keeps the phrases found so far.
// From the word order (IndiceParole), built on first use; or from one plain pass over the
// source.
RisultatoRicerca CercaFrasi(std::string_view testo, const OpzioniFrasi& opzioni, const Voci& voci,
                            Poll& poll);
RisultatoRicerca CercaFrasi(std::string_view testo, const OpzioniFrasi& opzioni, FonteVoci& fonte,
                            Poll& poll);

} // namespace verbolario
