#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace verbolario {

// How a word rhymes: the ending from its stressed vowel on, and where the stress stands.
struct RegolaRima {
    std::string parola; // lower-cased
    std::string rima;   // the ending every rhyme shares
    // Characters after the accented vowel that entries must show (Accentazione from the end).
    int64_t distanza = 0;
    // The word is written with an accent; then a plain vowel may come before the ending.
    bool accentata = false;
};

RegolaRima CalcolaRima(std::string_view parola);

// The entries that rhyme with the word typed in the input box (trimmed and lower-cased
// here), in dictionary order, the word itself left out. Words under 2 characters are not
// searched (eseguita false).
// The index of endings is used when it has been built (Voci::derived<IndiceRime>), else
// every entry is looked at once.
RisultatoRicerca TrovaRima(std::string_view testoText1, const Voci& voci, Poll& poll);
RisultatoRicerca TrovaRima(std::string_view testoText1, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
