#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/EsitoConteggio.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

struct ModoContenitori {
    bool scarti = false; // after each entry a TAB and its other letters, in code order
    bool frasi = false;  // the phrase setting of the entry cleanup
};

// Appends to righe, in dictionary order and as stored, every entry at least as long as
// parola (lower-cased here) that holds all its characters, each as often as parola does,
// and is not parola itself. Accents of the entries are folded unless parola has one of its
// own. Entries holding any character of escludi are left out.
// The anagram index is used when it has been built (IndiceAnagrammi::di), else every entry is
// looked at once.
EsitoConteggio CercaInterno(std::string_view parola, std::string_view escludi,
                            const ModoContenitori& modo, const Voci& voci, Poll& poll,
                            std::vector<std::string>& righe);
EsitoConteggio CercaInterno(std::string_view parola, std::string_view escludi,
                            const ModoContenitori& modo, FonteVoci& fonte, Poll& poll,
                            std::vector<std::string>& righe);

// What the container search looks for when the user typed testo with the key chiave beside
// it. A digit stands for the letter at that place of the key (1 the first, 0 the tenth; a
// digit past the key's end is just a digit), as in the number-key search. The key's letters
// are the letters to exclude, except those the text itself asks for: a letter cannot be
// both wanted and refused.
struct RichiestaContenitori {
    std::string parola;
    std::string escludi;
};
RichiestaContenitori PreparaContenitori(std::string_view testo, std::string_view chiave);

} // namespace verbolario
