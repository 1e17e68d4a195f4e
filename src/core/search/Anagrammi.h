#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string>
#include <string_view>

namespace verbolario {

struct OpzioniAnagrammi {
    bool frasi = false;  // phrases and compound words take part (blanks dropped from entries)
    bool scarti = false; // partial and container hits show their leftover letters
    std::string escludi; // the letters-to-exclude box, as typed
};

// The sub-modes of the anagram searches.
enum SottomodoAnagrammi : int { kCompleti = 0, kTutti = 1, kParziali = 2, kContenitori = 3 };

// Second line of the container count when letters were excluded, followed by the letters.
inline constexpr std::string_view kLettereEscluse = "\r\nLettere escluse: ";

// The anagram searches of the search button: the anagrams of the word typed (sottomodo 0),
// every group of anagrams of the dictionary (1), the words that can be formed with the
// letters typed (2), the words that contain them (3). The list holds the hits, the status
// band their count (the containers' count names the letters excluded, if any). Nothing is searched
// when nothing is typed (except for sottomodo 1): the result then only asks for something to be
// written, with a beep, and leaves the list alone.
RisultatoRicerca Anagrammi(int sottomodo, std::string_view testoText1,
                           const OpzioniAnagrammi& opzioni, const Voci& voci, Poll& poll);
// The same reading the entries from a source; every group of anagrams needs the whole
// dictionary in memory (fonte.voci()), and without it nothing is searched.
RisultatoRicerca Anagrammi(int sottomodo, std::string_view testoText1,
                           const OpzioniAnagrammi& opzioni, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
