#pragma once

#include "Poll.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/Enigmistica.h"
#include "search/Passata.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario::enigmistica {

// The form of an entry's term as the typed word's rule compares it, into `forma`: false when
// the term is no word (a character the table maps to 0) or has not minimo to massimo
// characters.
inline bool FormaDi(std::string_view voce, const Tavola& tavola, size_t minimo, size_t massimo,
                    std::string& forma) {
    if (voce.size() < minimo) return false;
    const std::string_view t = SoloTermine(voce);
    if (t.empty() || t.size() < minimo || t.size() > massimo) return false;
    forma.resize(t.size());
    for (size_t k = 0; k < t.size(); ++k) {
        const unsigned char c = tavola[static_cast<unsigned char>(t[k])];
        if (c == 0) return false;
        forma[k] = static_cast<char>(c);
    }
    return true;
}

// The plain pass of a relation of one typed word: every entry of the source looked at once,
// and the words the relation may involve kept, in dictionary order, in a store of their own
// (raccolte). A word is kept when its term has minimo to massimo characters, each mapped by
// the table (see TavolaForme, TavolaLettere), and scegli(form) says so, the form being the
// term as the typed word's rule compares it. The relation then runs over the few words kept
// as over the whole dictionary and lists the same lines, as long as scegli keeps every word
// that can take part in one. Returns false when the user asked to stop: the words kept are
// then those before some point of the dictionary.
template <class Scegli>
bool RaccogliParole(FonteVoci& fonte, Poll& poll, const Tavola& tavola, size_t minimo,
                    size_t massimo, Voci& raccolte, Scegli scegli) {
    if (minimo > massimo) return true;
    std::string forma;
    return Passata(fonte, poll, [&](size_t, std::string_view voce) {
        if (FormaDi(voce, tavola, minimo, massimo, forma) && scegli(std::string_view(forma)))
            raccolte.append(voce);
        return true;
    });
}

// The second pass of a relation that marked, in a first pass, the entries it needs: keeps
// them, in dictionary order, in `scelte`. The pass ends at the last entry marked. False when
// the user asked to stop.
inline bool RiprendiVoci(FonteVoci& fonte, Poll& poll, const std::vector<bool>& prese,
                         Voci& scelte) {
    size_t fine = prese.size();
    while (fine > 0 && !prese[fine - 1]) --fine;
    if (fine == 0) return true;
    return Passata(fonte, poll, [&](size_t i, std::string_view voce) {
        if (i >= fine) return false;
        if (prese[i]) scelte.append(voce);
        return true;
    });
}

} // namespace verbolario::enigmistica
