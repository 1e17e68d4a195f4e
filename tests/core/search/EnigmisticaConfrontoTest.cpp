// The word-play relations answer from ordered word lists, or, until those exist, from one
// plain pass that keeps the words that can take part; these tests hold both ways to the
// slow, obvious searches of EnigmisticaLenta.h on many small random dictionaries full of
// awkward entries (accents, capitals, blanks, signs, comments, repeats).

#include "search/Relazioni.h"

#include "core/Prova.h"
#include "core/search/EnigmisticaLenta.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

using Lenta = std::function<V(const V&, std::string_view)>;

// Mostly words of a few letters, so that the relations hold often, with accents, capitals,
// comments and repeats; one entry in six is an awkward one of the shared generator (blanks,
// signs, digits), which the relations must pass over.
Voci paroleCasuali(Generatore& g, size_t n) {
    static constexpr std::string_view kLettere[] = {"a", "e", "o", "r",    "m",    "t", "a",
                                                    "o", "i", "n", "\xE0", "\xF2", "A", "R"};
    Voci v;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && g.uno(12)) {
            v.append(v[i - 1]);
            continue;
        }
        if (g.uno(6)) {
            v.append(g.parola());
            continue;
        }
        std::string w;
        for (size_t k = 1 + g.rng()() % 3 + g.rng()() % 3; k > 0; --k)
            w += kLettere[g.rng()() % std::size(kLettere)];
        if (g.uno(10)) w += "\tnota";
        v.append(w);
    }
    return v;
}

std::string termine(Generatore& g, const V& diz) {
    const std::string& w = diz[g.rng()() % diz.size()];
    return w.substr(0, w.find('\t'));
}

// An entry with a letter added, dropped or moved, or left as it is.
std::string ritocca(Generatore& g, std::string w) {
    if (w.empty()) return "ta";
    const size_t k = g.rng()() % w.size();
    switch (g.rng()() % 4) {
    case 0:
        return w.insert(k, 1, "aeont\xE0"[g.rng()() % 6]);
    case 1:
        return w.erase(k, 1);
    case 2:
        std::rotate(w.begin(), w.begin() + static_cast<ptrdiff_t>(k), w.end());
        return w;
    default:
        return w;
    }
}

// Typed words built so that each relation often holds: reversed entries, entries end to
// end or one inside another; now and then a fresh random word instead.
std::string digitata(Generatore& g, const V& diz, Relazione rel) {
    if (g.uno(5)) return g.parola(6);
    const std::string a = termine(g, diz), b = termine(g, diz), c = termine(g, diz);
    const size_t k = a.empty() ? 0 : g.rng()() % a.size();
    switch (rel) {
    case Relazione::Bifronte:
        return std::string(a.rbegin(), a.rend());
    case Relazione::Sciarada:
        return a + b + (g.uno(2) ? c : "");
    case Relazione::Incastro:
        return a.substr(0, k) + b + a.substr(k);
    case Relazione::Lucchetto:
        return a.substr(0, k) + b.substr(std::min(b.size(), a.size() - k));
    default:
        return ritocca(g, a);
    }
}

TEST(RelazioniConfronto, EveryRelationAgreesWithTheSlowSearch) {
    struct Caso {
        Relazione rel;
        bool tre;
        Lenta lenta;
    };
    const Caso casi[] = {
        {Relazione::Zeppa, false, lenta::zeppe},
        {Relazione::Scarto, false, lenta::scarti},
        {Relazione::Cambio, false, lenta::cambi},
        {Relazione::Spostamento, false, lenta::spostamenti},
        {Relazione::Antipodo, false, lenta::antipodi},
        {Relazione::Bifronte, false, lenta::bifronti},
        {Relazione::Incastro, false, lenta::incastri},
        {Relazione::Lucchetto, false, lenta::lucchetti},
        {Relazione::Sciarada, false,
         [](const V& d, std::string_view s) { return lenta::sciarade(d, s, false); }},
        {Relazione::Sciarada, true,
         [](const V& d, std::string_view s) { return lenta::sciarade(d, s, true); }},
    };
    std::map<std::pair<Relazione, bool>, int> trovate;
    for (uint32_t seme = 1; seme <= 100; ++seme) {
        Generatore g(seme);
        const Voci voci = paroleCasuali(g, 80);
        const Voci indicizzate = conIndici(voci);
        const V diz = elenco(voci);
        for (const Caso& c : casi)
            for (int volta = 0; volta < 6; ++volta) {
                const std::string testo = volta == 0 ? "" : digitata(g, diz, c.rel);
                OpzioniRelazione o;
                o.tre = c.tre;
                NoPoll poll;
                const RisultatoRicerca piana = CercaRelazione(c.rel, testo, o, voci, poll);
                const RisultatoRicerca r = CercaRelazione(c.rel, testo, o, indicizzate, poll);
                const std::string come = "seme " + std::to_string(seme) + " " +
                                         std::string(TabellaRelazioni()[size_t(c.rel)].comando) +
                                         (c.tre ? " --tre" : "") + " '" + testo + "'";
                ASSERT_EQ(piana.eseguita, r.eseguita) << come;
                if (!r.eseguita) continue; // nothing to look for
                const V attese = c.lenta(diz, testo);
                ASSERT_EQ(r.righe, attese) << come;
                ASSERT_EQ(piana.righe, attese) << come << " (plain pass)";
                EXPECT_EQ(piana.stato, r.stato) << come;
                trovate[{c.rel, c.tre}] += !r.righe.empty();
            }
    }
    // The comparison means something only if the searches found things to compare.
    for (const Caso& c : casi) EXPECT_GE((trovate[{c.rel, c.tre}]), 20) << int(c.rel);
}

TEST(RelazioniConfronto, FraseAgreesWithEveryCombination) {
    int trovate = 0;
    for (uint32_t seme = 1; seme <= 40; ++seme) {
        Generatore g(seme);
        const Voci voci = paroleCasuali(g, 30);
        const Voci indicizzate = conIndici(voci);
        const V diz = elenco(voci);
        for (int volta = 0; volta < 6; ++volta) {
            // A few entries' letters, shuffled, sometimes with blanks between words.
            std::string testo;
            const size_t quante = 1 + g.rng()() % 3;
            for (size_t k = 0; k < quante; ++k) {
                const std::string& w = diz[g.rng()() % diz.size()];
                testo += w.substr(0, w.find('\t')) + (g.uno(2) ? " " : "");
            }
            if (g.uno(2)) std::shuffle(testo.begin(), testo.end(), g.rng());
            OpzioniRelazione o;
            o.frasi.parole = 1 + static_cast<int>(g.rng()() % 3);
            o.frasi.minimo = 1 + static_cast<int>(g.rng()() % 3);
            NoPoll poll;
            const RisultatoRicerca r =
                CercaRelazione(Relazione::Frase, testo, o, indicizzate, poll);
            if (!r.eseguita) continue;
            const V attese =
                lenta::frasi(diz, testo, o.frasi.parole, static_cast<size_t>(o.frasi.minimo));
            ASSERT_EQ(r.righe, attese) << "seme " << seme << " '" << testo << "' " << o.frasi.parole
                                       << " " << o.frasi.minimo;
            ASSERT_EQ(CercaRelazione(Relazione::Frase, testo, o, voci, poll).righe, attese)
                << "seme " << seme << " '" << testo << "' (plain pass)";
            trovate += !r.righe.empty();
        }
    }
    EXPECT_GE(trovate, 60);
}

} // namespace
