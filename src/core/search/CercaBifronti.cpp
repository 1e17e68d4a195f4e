#include "search/CercaBifronti.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Ascolto.h"
#include "search/Enigmistica.h"
#include "search/RevWord.h"
#include "search/Spazi.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessun bifronte trovato.", "Un bifronte trovato.", " bifronti trovati."};
const Nomi kNomiCoppie{"Nessuna coppia bifronte trovata.", "Una coppia bifronte trovata.",
                       " coppie bifronti trovate."};

// The words in key order walked beside the words in reversed-key order: where a key meets an
// equal reversed key, the two words are each other's reversal.
RisultatoRicerca tutteLeCoppie(const Voci& voci, Poll& poll) {
    const IndiceParole& d = IndiceParole::diritto(voci);
    const IndiceParole& r = IndiceParole::rovescio(voci);
    Ascolto ascolto(poll, static_cast<int64_t>(d.size()));
    std::vector<std::string> righe;
    size_t i = 0, j = 0;
    while (i < d.size() && j < r.size() && ascolto.arrivaA(static_cast<int64_t>(i))) {
        const int c = d.confronta(voci, i, r, j);
        if (c != 0) {
            c < 0 ? ++i : ++j;
            continue;
        }
        // Words with the same key (città, citta) meet all together.
        size_t fi = i + 1, fj = j + 1;
        while (fi < d.size() && d.confronta(voci, fi, r, j) == 0) ++fi;
        while (fj < r.size() && d.confronta(voci, i, r, fj) == 0) ++fj;
        // Each pair meets twice, once from either word: it is kept from the word first in the
        // alphabet. Palindromes meet themselves and are dropped.
        const std::string chiave = Piegata(SoloTermine(voci[d[i]]));
        const std::string rovescio = Piegata(SoloTermine(voci[r[j]]));
        if (chiave < rovescio)
            for (size_t a = i; a < fi; ++a)
                for (size_t b = j; b < fj; ++b)
                    righe.push_back(std::string(SoloTermine(voci[d[a]])) + ' ' +
                                    std::string(SoloTermine(voci[r[b]])));
        i = fi;
        j = fj;
    }
    RisultatoRicerca esito = ElencoRighe(std::move(righe), kNomiCoppie);
    esito.interrotto = ascolto.fermato();
    return esito;
}

} // namespace

RisultatoRicerca CercaBifronti(std::string_view testo, const Voci& voci, Poll& poll) {
    if (trimSpazi(testo).empty()) return tutteLeCoppie(voci, poll);
    const Parola p = Prepara(testo);
    std::vector<std::string> varianti;
    const std::string rovescio = revWord(p.testo);
    if (rovescio != p.testo) varianti.push_back(rovescio);
    return CercaVarianti(p, varianti, voci, kNomi);
}

} // namespace verbolario
