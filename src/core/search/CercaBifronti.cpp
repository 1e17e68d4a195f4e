#include "search/CercaBifronti.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Ascolto.h"
#include "search/Enigmistica.h"
#include "search/RaccoltaParole.h"
#include "search/RevWord.h"
#include "search/Spazi.h"

#include <algorithm>
#include <array>
#include <vector>

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

// The same pairs from two plain passes. A word and its reversal share one mark, a 32-bit
// hash of the two keys; only words whose mark occurs twice or more can make a pair. The first
// pass takes every word's mark, the second keeps the words whose mark repeats, and the pairs
// are then sought among those few (a false match only keeps a word that makes no pair).
class Impronte {
public:
    // The mark of an entry; false when it is no word. The key is hashed forwards and
    // backwards in one loop, eight characters at a time, as it is folded: millions of words
    // go through here twice.
    bool di(std::string_view voce, uint32_t& impronta) const {
        const std::string_view t = SoloTermine(voce);
        const size_t n = t.size();
        if (n == 0) return false;
        uint64_t avanti = n, indietro = n, pezzoAvanti = 0, pezzoIndietro = 0;
        for (size_t k = 0; k < n; ++k) {
            const uint64_t a = tavola_[static_cast<unsigned char>(t[k])];
            const uint64_t b = tavola_[static_cast<unsigned char>(t[n - 1 - k])];
            if (a == 0) return false;
            pezzoAvanti |= a << 8 * (k & 7);
            pezzoIndietro |= b << 8 * (k & 7);
            if ((k & 7) == 7) {
                avanti = mescola(avanti ^ pezzoAvanti);
                indietro = mescola(indietro ^ pezzoIndietro);
                pezzoAvanti = pezzoIndietro = 0;
            }
        }
        avanti = mescola(avanti ^ pezzoAvanti);
        indietro = mescola(indietro ^ pezzoIndietro);
        // The same for a word and its reversal: the two hashes in order.
        const uint64_t h = mescola(std::min(avanti, indietro) ^ std::max(avanti, indietro) >> 1);
        impronta = static_cast<uint32_t>(h >> 32);
        return true;
    }

    // Keeps the marks that occur twice or more, once each, in order.
    static std::vector<uint32_t> ripetute(std::vector<uint32_t> impronte) {
        ordina(impronte);
        std::vector<uint32_t> r;
        for (size_t k = 1; k < impronte.size(); ++k)
            if (impronte[k] == impronte[k - 1] && (r.empty() || r.back() != impronte[k]))
                r.push_back(impronte[k]);
        return r;
    }

private:
    // A byte at a time from the lowest: millions of marks sort several times faster than
    // by comparisons.
    static void ordina(std::vector<uint32_t>& v) {
        std::vector<uint32_t> altro(v.size());
        for (int spostamento = 0; spostamento < 32; spostamento += 8) {
            std::array<size_t, 257> inizio{};
            for (uint32_t x : v) ++inizio[((x >> spostamento) & 0xFF) + 1];
            for (size_t b = 1; b < inizio.size(); ++b) inizio[b] += inizio[b - 1];
            for (uint32_t x : v) altro[inizio[(x >> spostamento) & 0xFF]++] = x;
            v.swap(altro);
        }
    }

    static uint64_t mescola(uint64_t h) {
        h *= 0x9E3779B97F4A7C15u;
        return h ^ h >> 29;
    }

    const Tavola& tavola_ = TavolaForme(false);
};

RisultatoRicerca tutteLeCoppie(FonteVoci& fonte, Poll& poll) {
    const Impronte impronte;
    std::vector<uint32_t> tutte;
    // Room for every mark at once: a vector that grows copies itself over and over.
    tutte.reserve(static_cast<size_t>(std::max<int64_t>(fonte.stima(), 0)));
    size_t lette = 0;
    bool fermata = !Passata(fonte, poll, [&](size_t i, std::string_view voce) {
        lette = i + 1;
        if (uint32_t h; impronte.di(voce, h)) tutte.push_back(h);
        return true;
    });
    const std::vector<uint32_t> ripetute = Impronte::ripetute(std::move(tutte));
    // Most words are turned away by a bitmap of the repeated marks, small enough to stay in
    // the nearest cache.
    std::vector<uint64_t> filtro(size_t{1} << 12);
    for (uint32_t h : ripetute) filtro[h >> 20] |= uint64_t{1} << (h >> 14 & 63);
    // After a stop request the words of the entries read so far are still fetched: they are
    // what was found.
    NoPoll tutto;
    Voci parole;
    if (!ripetute.empty())
        fermata |= !Passata(fonte, fermata ? tutto : poll, [&](size_t i, std::string_view voce) {
            if (i >= lette) return false;
            uint32_t h;
            if (impronte.di(voce, h) && (filtro[h >> 20] >> (h >> 14 & 63) & 1) &&
                std::binary_search(ripetute.begin(), ripetute.end(), h))
                parole.append(voce);
            return true;
        });
    RisultatoRicerca r = tutteLeCoppie(parole, tutto);
    r.interrotto = fermata;
    return r;
}

std::vector<std::string> rovescio(const Parola& p) {
    std::vector<std::string> varianti;
    const std::string r = revWord(p.testo);
    if (r != p.testo) varianti.push_back(r);
    return varianti;
}

} // namespace

RisultatoRicerca CercaBifronti(std::string_view testo, const Voci& voci, Poll& poll) {
    if (trimSpazi(testo).empty()) return tutteLeCoppie(voci, poll);
    const Parola p = Prepara(testo);
    return CercaVarianti(p, rovescio(p), voci, kNomi);
}

RisultatoRicerca CercaBifronti(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    if (trimSpazi(testo).empty()) return tutteLeCoppie(fonte, poll);
    const Parola p = Prepara(testo);
    return CercaVarianti(p, rovescio(p), fonte, poll, kNomi);
}

} // namespace verbolario
