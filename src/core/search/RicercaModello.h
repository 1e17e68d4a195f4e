#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string>
#include <string_view>

namespace verbolario {

struct OpzioniModello {
    bool mnemos = false; // number-key search: each digit stands for a letter of chiave
    std::string chiave;  // the key box as typed
    bool filtro = false; // drop hits with more consonants than the pattern
    bool doppie = false; // in that count a doubled consonant is two, not one
    bool ordine = false; // number-key hits listed by length rather than alphabetically
    // Every hit is listed: no stop at the list's capacity (for scripts on large lists).
    bool senzaLimite = false;
};

// The crossword aid and its number-key variant: the entries that match the pattern built from
// testo (see SistemaStringa), in alphabetical order. Entries with a blank or hyphen are
// compared without them, and accents are folded unless the pattern (or the key) has one.
// With a key, a hit must hold no key letter the pattern leaves out and no pattern letter more
// often than the pattern does. The list holds at most 32,735 hits; at the 32,736th match the
// search stops and says so.
// The column index is used when it has been built (Voci::derived<IndiceModello>), else every
// entry is tested once, in dictionary order, the entries of the wrong length first set aside.
RisultatoRicerca RicercaModello(std::string_view testo, const OpzioniModello& opzioni,
                                const Voci& voci, Poll& poll);
RisultatoRicerca RicercaModello(std::string_view testo, const OpzioniModello& opzioni,
                                FonteVoci& fonte, Poll& poll);

} // namespace verbolario
