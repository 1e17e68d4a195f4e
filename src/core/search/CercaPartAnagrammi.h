#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/EsitoConteggio.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

struct ModoParziali {
    // true: list the entries as stored, leaving out the one that spells exactly the letters
    // in their order; false: list each hit cleaned and folded.
    bool completo = true;
    // With completo: after each entry a TAB and the letters it leaves unused, in code order.
    bool scarti = false;
    bool frasi = false; // the phrase setting of the entry cleanup
};

// Appends to righe, in dictionary order, every entry of 3 or more characters (once cleaned)
// that can be spelled with the letters given: each of its characters, accents folded, uses up
// one equal letter. The letters are lower-cased, folded and reduced to the search alphabet
// first. Every entry is tested against all the letters.
// The anagram index is used when it has been built (IndiceAnagrammi::di), else every entry is
// looked at once.
EsitoConteggio CercaPartAnagrammi(std::string_view lettere, const ModoParziali& modo,
                                  const Voci& voci, Poll& poll, std::vector<std::string>& righe);
EsitoConteggio CercaPartAnagrammi(std::string_view lettere, const ModoParziali& modo,
                                  FonteVoci& fonte, Poll& poll, std::vector<std::string>& righe);

} // namespace verbolario
