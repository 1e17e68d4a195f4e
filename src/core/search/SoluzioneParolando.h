#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

inline constexpr std::string_view kTroppePocheLettere =
    "Troppe poche lettere per eseguire una ricerca!";

// The letters drawn in a round of the letter game (each followed by a blank) are enough for
// a search: at least two of them. Otherwise the round goes on and the search only says so.
inline bool lettereSufficienti(std::string_view lettereEstratte) {
    return lettereEstratte.size() >= 3;
}

// The end of a round of the letter game: every word of 3 or more letters that can be formed
// with the letters drawn, longest first, how many there are and how long the longest is,
// and whether the word the player typed (scrittaText1, as typed) is among them, with that
// line selected. With nothing typed the words are listed as stored; otherwise cleaned and
// folded, as the player's word is compared. frasi is the phrase setting of the entry
// cleanup.
RisultatoRicerca SoluzioneParolando(std::string_view lettereEstratte, std::string_view scrittaText1,
                                    const Voci& voci, Poll& poll, bool frasi = false);
RisultatoRicerca SoluzioneParolando(std::string_view lettereEstratte, std::string_view scrittaText1,
                                    FonteVoci& fonte, Poll& poll, bool frasi = false);

} // namespace verbolario
