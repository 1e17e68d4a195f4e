// The indexed search against the plain loop it replaces: every entry in dictionary order,
// cleaned, folded and matched one by one.
#include "dictionary/CaricaDizionario.h"
#include "search/Arrangia.h"
#include "search/Discrimina.h"
#include "search/Ordinamento.h"
#include "search/RicercaModello.h"
#include "search/SistemaStringa.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Wildcard.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace verbolario {
namespace {

bool scartataDallaChiave(std::string w, const std::string& escl, const std::string& firma) {
    for (char c : Arrangia(escl))
        if (w.find(c) != std::string::npos) return true;
    for (char c : firma) {
        size_t p = w.find(c);
        if (p != std::string::npos) w[p] = ' ';
    }
    for (char c : firma)
        if (w.find(c) != std::string::npos) return true;
    return false;
}

void discriminaPiano(std::vector<std::string>& lista, const std::string& modello, bool doppie) {
    const int64_t n = ContaConsonanti(modello, doppie);
    for (size_t i = lista.size(); i-- > 0;)
        if (n != 0 && ContaConsonanti(SoloTermine(lista[i]), doppie) > n)
            lista.erase(lista.begin() + static_cast<std::ptrdiff_t>(i));
}

RisultatoRicerca cercaPiano(const std::string& testo, const OpzioniModello& o, const Voci& voci) {
    const int64_t capienza = 32736;
    RisultatoRicerca r;
    std::string escl = cp1252::lowered(prova::trim(o.chiave));
    std::string t(prova::trim(testo));
    std::string modello = t.empty() ? "" : cp1252::lowered(prova::trim(SistemaStringa(t, escl)));
    if (modello.empty()) {
        r.eseguita = false;
        r.stato = "Scrivi qualcosa . . . . ";
        r.beep = true;
        return r;
    }
    const std::string firma = o.mnemos ? Arrangia(modello) : "";
    bool accenti = accenti::Accentazione(modello) != 0;
    const bool chiave = o.mnemos && !escl.empty();
    if (chiave) {
        accenti = accenti || accenti::Accentazione(escl) != 0;
        std::string nuova;
        if (Incoerente(modello, escl, nuova)) escl = nuova;
    }
    const Wildcard wc(modello);
    std::vector<std::string> lista2;
    int64_t trovate = 0;
    for (int64_t i = 0; i <= voci.upperBound(); ++i) {
        std::string w(voci[static_cast<size_t>(i)]);
        if (w.find_first_of("- ") != std::string::npos) w = Arrangia(w);
        if (!accenti) w = accenti::NoAcc(w);
        if (!wc.matches(w)) continue;
        if (++trovate == capienza) {
            r.messaggio = "E' stata oltrepassata la capacit\xE0 della lista.";
            break;
        }
        if (chiave && scartataDallaChiave(w, escl, firma)) continue;
        lista2.emplace_back(voci[static_cast<size_t>(i)]);
    }
    OrdinaAlfabetico(lista2);
    NoPoll np;
    if (o.mnemos && o.filtro) discriminaPiano(lista2, modello, o.doppie);
    if (o.mnemos && o.ordine) lista2 = OrdinaPerLunghezza(lista2, false, np);
    const size_t n = lista2.size();
    r.stato = n == 0   ? "Nessuna parola trovata"
              : n == 1 ? "Una parola trovata"
                       : std::to_string(n) + " parole trovate";
    r.righe = std::move(lista2);
    return r;
}

// Pieces the entries and texts are made of: the characters the folding, the cleanup and the
// matcher treat specially.
const char* const kPezziVoce[] = {
    "a",    "b",    "c", "e",        "o",      "t",         "tt",    "\xE0",  "\xE8",      "\xE9",
    "\xF2", "\xC0", "A", " ",        "-",      "'",         "\t",    "\xBD",  "1",         "3",
    "*",    "?",    "[", "citt\xE0", "a capo", "perch\xE9", "prova", "privo", "casa\tnota"};
const char* const kPezziTesto[] = {
    "A", "B", "C", "E", "O", "T", "\xC0", "\xC8", "\xE9",  "?", "*",    "#",  "1",
    "2", "3", "0", "-", "'", " ", "[AB]", "[!A]", "[A-C]", "[", "\xBD", "TT", "a"};
const char* const kChiavi[] = {"", "", "ABC", "TO", "\xC0S", "A B", "BCDEFGHIJT", "Z", " AB "};

std::string componi(std::mt19937& rng, const char* const* pezzi, size_t quanti, int massimo) {
    std::string s;
    for (int k = static_cast<int>(rng() % static_cast<unsigned>(massimo + 1)); k > 0; --k)
        s += pezzi[rng() % quanti];
    return s;
}

void confronta(const RisultatoRicerca& veloce, const RisultatoRicerca& piano,
               const std::string& testo) {
    ASSERT_EQ(veloce.righe, piano.righe) << testo;
    ASSERT_EQ(std::tie(veloce.eseguita, veloce.stato, veloce.messaggio, veloce.beep),
              std::tie(piano.eseguita, piano.stato, piano.messaggio, piano.beep))
        << testo;
}

Voci casuali(std::mt19937& rng, int massimo, int pezzi) {
    Voci voci;
    for (int i = 0; i < massimo; ++i) {
        if (i > 0 && rng() % 10 == 0)
            voci.append(std::string(voci[rng() % voci.size()])); // a repeat
        else
            voci.append(componi(rng, kPezziVoce, std::size(kPezziVoce), pezzi));
    }
    return voci;
}

// Each text, and `casuali` random ones, searched plainly and through the index; with a key,
// also as a number key with it; without one, with random options.
void confrontaTesti(std::mt19937& rng, const Voci& voci, std::vector<std::string> testi,
                    int casuali, const char* chiave) {
    const Voci indicizzate = prova::conIndici(voci);
    for (int q = 0; q < casuali; ++q)
        testi.push_back(componi(rng, kPezziTesto, std::size(kPezziTesto), 5));
    NoPoll np;
    for (const std::string& testo : testi)
        for (bool mnemos : {false, true}) {
            // Braced lists are evaluated left to right.
            const OpzioniModello o =
                chiave ? OpzioniModello{mnemos, mnemos ? chiave : "", true, false, mnemos}
                       : OpzioniModello{rng() % 2 == 1, kChiavi[rng() % std::size(kChiavi)],
                                        rng() % 2 == 1, rng() % 2 == 1, rng() % 2 == 1};
            const RisultatoRicerca piano = cercaPiano(testo, o, voci);
            confronta(RicercaModello(testo, o, voci, np), piano, testo);
            confronta(RicercaModello(testo, o, indicizzate, np), piano, testo);
        }
}

TEST(RicercaModelloConfronto, RandomDictionariesAndPatterns) {
    std::mt19937 rng(2024);
    for (int d = 0; d < 150; ++d)
        confrontaTesti(rng, casuali(rng, static_cast<int>(rng() % 300), 6), {}, 40, nullptr);
}

// The index reads the rows a pattern leaves from the store: wherever the store keeps their
// texts (out of dictionary order after a reordering, at the end of the buffer after an edit).
TEST(RicercaModelloConfronto, RowsWhereverTheStoreKeepsThem) {
    std::mt19937 rng(77);
    for (int d = 0; d < 40; ++d) {
        Voci voci = casuali(rng, 400, 4);
        std::vector<Voci::Ref> refs = voci.refs();
        std::shuffle(refs.begin(), refs.end(), rng);
        voci.replaceRefs(refs);
        for (int k = 0; k < 20; ++k)
            voci.set(rng() % voci.size(), componi(rng, kPezziVoce, std::size(kPezziVoce), 4));
        confrontaTesti(rng, voci, {"*A*E*", "C*T*A", "ACT", "T?A*O", "*TT*", "A*\xC0*"}, 0, "TO");
    }
}

// A sorted list: the first places of each length run long, and the index keeps them as runs;
// accented entries and entries with blanks or hyphens sit among them.
TEST(RicercaModelloConfronto, SortedListWithPlacesKeptAsRuns) {
    std::mt19937 rng(31);
    static constexpr std::string_view kLettere[] = {"a", "c", "e", "o", "r", "t", "\xE0"};
    std::vector<std::string> parole;
    for (int i = 0; i < 30000; ++i) {
        std::string w;
        for (int k = 3 + static_cast<int>(rng() % 4); k > 0; --k)
            w += kLettere[rng() % std::size(kLettere)];
        if (rng() % 50 == 0)
            w = w.substr(0, w.size() / 2) + (rng() % 2 ? " " : "-") + w.substr(w.size() / 2);
        parole.push_back(w);
    }
    std::sort(parole.begin(), parole.end());
    confrontaTesti(rng, prova::dizionario(parole),
                   {"CA??", "C?R*", "[!C]A*", "[A-C]?T?", "T*A", "CE*O", "AC", "?\xC0*", "*RT",
                    "C\xC0?E", "ROT?"},
                   60, "TRC");
}

// Enough hits to pass the list's capacity, spread over many lengths, so the cut must follow
// dictionary order across them.
TEST(RicercaModelloConfronto, CapacityAmongManyHits) {
    std::mt19937 rng(5);
    Voci voci;
    for (int i = 0; i < 60000; ++i)
        voci.append(componi(rng, kPezziVoce, std::size(kPezziVoce), 5) + "a");
    confrontaTesti(rng, voci, {"*A", "A", "*T*A", "?*", "*\xC0?", "\xE8*A", "T?*"}, 0, "TO\xC8");
}

} // namespace
} // namespace verbolario
