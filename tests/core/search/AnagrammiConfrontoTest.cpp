// The anagram searches answer from a per-dictionary index; these tests hold them to plain
// transcriptions of the letter-by-letter loops the program has always run, on many small
// dictionaries full of awkward entries.

#include "dictionary/Riordina.h"
#include "search/Arrangia.h"
#include "search/CercaAnagrammi.h"
#include "search/CercaInterno.h"
#include "search/CercaPartAnagrammi.h"
#include "search/Differenza.h"
#include "search/TuttiAnagrammi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;

namespace {

constexpr char kSegno = '\xDE';

// ---- The loops, one letter at a time, on a plain copy of the dictionary ----

std::string pulizia(const std::string& w, bool frasi) {
    const bool vaPulita =
        w.find('\xBD') != std::string::npos || (frasi && w.find(' ') != std::string::npos);
    return vaPulita ? Arrangia(w) : w;
}

int64_t lentoAnagrammi(std::string parola, bool frasi, std::vector<std::string>& voci, bool svuota,
                       std::vector<std::string>& righe) {
    parola = pulizia(accenti::NoAcc(parola), frasi);
    int64_t n = 0;
    for (size_t i = 0; i < voci.size(); ++i) {
        std::string w = pulizia(voci[i], frasi);
        if (w.size() != parola.size()) continue;
        w = accenti::NoAcc(w);
        std::string lavoro = w;
        bool trovata = true;
        for (char c : parola) {
            size_t p = lavoro.find(c);
            if (p == std::string::npos) {
                trovata = false;
                break;
            }
            lavoro[p] = kSegno;
        }
        if (!trovata || lavoro.find_first_not_of(kSegno) != std::string::npos) continue;
        if (w == parola) continue;
        righe.push_back(voci[i]);
        if (svuota) voci[i].clear();
        ++n;
    }
    return n;
}

EsitoTutti lentoTutti(bool frasi, std::vector<std::string> voci, std::vector<std::string>& righe) {
    EsitoTutti esito;
    for (size_t i = 0; i < voci.size(); ++i) {
        const std::string w = voci[i];
        if (w.size() <= 3) continue;
        const int64_t k = lentoAnagrammi(w, frasi, voci, true, righe);
        voci[i].clear();
        if (k > 0) {
            righe.push_back(w);
            righe.emplace_back(kSeparatoreAnagrammi);
            esito.totale += k;
            esito.ultimo = static_cast<int64_t>(i);
        }
    }
    return esito;
}

// Every entry is tried against all the letters, which are fresh for each entry.
int64_t lentoParziali(std::string_view testo, bool completo, bool scarti, bool frasi,
                      const std::vector<std::string>& voci, std::vector<std::string>& righe) {
    const std::string lettere = Arrangia(accenti::NoAcc(cp1252::lowered(testo)));
    int64_t n = 0;
    for (const std::string& voce : voci) {
        std::string w = pulizia(voce, frasi);
        if (w.size() < 3 || w.size() > lettere.size()) continue;
        w = accenti::NoAcc(w);
        std::vector<bool> usata(lettere.size());
        bool trovata = true;
        for (char c : w) {
            size_t p = 0;
            while (p < lettere.size() && (usata[p] || lettere[p] != c)) ++p;
            if (p == lettere.size()) {
                trovata = false;
                break;
            }
            usata[p] = true;
        }
        if (!trovata) continue;
        if (!completo) {
            righe.push_back(w);
        } else {
            if (w == lettere) continue;
            righe.push_back(scarti ? voce + "\t" + Riordina(Differenza(lettere, w)) : voce);
        }
        ++n;
    }
    return n;
}

int64_t lentoInterno(std::string parola, std::string_view escludi, bool scarti, bool frasi,
                     const std::vector<std::string>& voci, std::vector<std::string>& righe) {
    parola = cp1252::lowered(parola);
    const bool accenti = accenti::Accentazione(parola) != 0;
    for (const std::string& voce : voci) {
        if (voce.size() < parola.size()) continue;
        std::string w = pulizia(voce, frasi);
        if (!accenti) w = accenti::NoAcc(w);
        std::string lavoro = w;
        size_t trovate = 0;
        for (char c : parola) {
            size_t p = lavoro.find(c);
            if (p == std::string::npos) break;
            lavoro[p] = kSegno;
            ++trovate;
        }
        if (trovate < parola.size() || w == parola) continue;
        if (voce.find_first_of(escludi) != std::string::npos) continue;
        std::string avanzi;
        for (char c : lavoro)
            if (c != kSegno) avanzi += c;
        righe.push_back(scarti ? voce + "\t" + Riordina(avanzi) : voce);
    }
    return static_cast<int64_t>(righe.size());
}

// ---- Awkward dictionaries full of anagrams ----

class Generatore : public prova::Generatore {
public:
    using prova::Generatore::Generatore;

    std::string pezzi(size_t massimo) {
        static constexpr std::string_view kPezzi[] = {
            "a",    "e",    "o",    "r",    "m",    "t",    "a",    "o",  "r",
            "\xE0", "\xE8", "\xE9", "\xF2", "\xEC", "\xF9", " ",    "-",  "'",
            "A",    "\xC0", "\xBD", "1",    "\xDE", "\xFE", "\xFF", "ss", "\xE0"};
        std::string w;
        const size_t n = rng()() % (massimo + 1);
        while (w.size() < n) w += kPezzi[rng()() % std::size(kPezzi)];
        return w;
    }

    // An anagram of w's term, an accent folded or added, or a repeat.
    std::string variante(std::string w) {
        std::string commento;
        if (size_t t = w.find('\t'); t != std::string::npos) {
            commento = w.substr(t);
            w.resize(t);
        }
        const unsigned come = rng()() % 4;
        if (come == 0 || come == 2) std::shuffle(w.begin(), w.end(), rng());
        if (come == 1) w = accenti::NoAcc(w);
        if (come == 2 && uno(2)) w += " ";
        return uno(6) ? w + "\tx" : (uno(3) ? w + commento : w);
    }

    std::vector<std::string> dizionario(size_t n) {
        std::vector<std::string> v;
        for (size_t i = 0; i < n; ++i) {
            if (uno(12))
                v.emplace_back();
            else if (!v.empty() && uno(2))
                v.push_back(variante(v[rng()() % v.size()]));
            else
                v.push_back(pezzi(7) + (uno(10) ? "\tnota" : ""));
        }
        return v;
    }
};

// One dictionary, searched by the program and by the loops.
// The searches run twice, over the plain dictionary and over a copy with its indexes.
struct Banco {
    std::vector<std::string> elenco;
    Voci piane = prova::dizionario(elenco);
    Voci indicizzate = prova::conIndici(piane);
    NoPoll poll{};

    void anagrammi(const std::string& parola, bool frasi) {
        std::vector<std::string> lente, veloci;
        auto copia = elenco;
        const int64_t attese = lentoAnagrammi(parola, frasi, copia, false, lente);
        for (const Voci* voci : {&piane, &indicizzate}) {
            veloci.clear();
            const EsitoConteggio e = CercaAnagrammi(parola, frasi, *voci, poll, veloci);
            ASSERT_EQ(veloci, lente) << cp1252::toUtf8(parola) << " frasi " << frasi;
            EXPECT_EQ(e.conteggio, attese);
        }
    }
    // Also the variant that sorts out equal fingerprints by their letters.
    void tutti(bool frasi) {
        std::vector<std::string> lente, veloci, senzaImpronte;
        const EsitoTutti atteso = lentoTutti(frasi, elenco, lente);
        const EsitoTutti e = TuttiAnagrammi(frasi, piane, poll, veloci);
        const EsitoTutti s = detail::TuttiAnagrammiSenzaImpronte(frasi, piane, poll, senzaImpronte);
        ASSERT_EQ(veloci, lente) << "frasi " << frasi;
        ASSERT_EQ(senzaImpronte, lente) << "frasi " << frasi;
        EXPECT_EQ(std::tie(e.totale, e.ultimo, s.totale),
                  std::tie(atteso.totale, atteso.ultimo, atteso.totale));
    }
    void parziali(const std::string& testo, ModoParziali m) {
        std::vector<std::string> lente, veloci;
        const int64_t attese = lentoParziali(testo, m.completo, m.scarti, m.frasi, elenco, lente);
        for (const Voci* voci : {&piane, &indicizzate}) {
            veloci.clear();
            const EsitoConteggio e = CercaPartAnagrammi(testo, m, *voci, poll, veloci);
            ASSERT_EQ(veloci, lente) << cp1252::toUtf8(testo);
            EXPECT_EQ(e.conteggio, attese);
        }
    }
    void interno(const std::string& parola, const std::string& escludi, ModoContenitori m) {
        std::vector<std::string> lente, veloci;
        const int64_t attese = lentoInterno(parola, escludi, m.scarti, m.frasi, elenco, lente);
        for (const Voci* voci : {&piane, &indicizzate}) {
            veloci.clear();
            const EsitoConteggio e = CercaInterno(parola, escludi, m, *voci, poll, veloci);
            ASSERT_EQ(veloci, lente) << cp1252::toUtf8(parola) << " / " << escludi;
            EXPECT_EQ(e.conteggio, attese);
        }
    }
    // Mostly words of the dictionary itself (lower-cased, as the program passes them).
    std::string unaVoce(Generatore& g) const {
        return cp1252::lowered(elenco[g.rng()() % elenco.size()]);
    }
};

class Confronto : public ::testing::TestWithParam<uint32_t> {};

TEST_P(Confronto, SearchesMatchTheLetterLoops) {
    Generatore g(GetParam());
    Banco b{g.dizionario(50)};
    for (bool frasi : {false, true}) {
        b.tutti(frasi);
        for (int q = 0; q < 8; ++q) {
            b.anagrammi(q < 6 ? b.unaVoce(g) : g.pezzi(6), frasi);
            const std::string testo = q % 2 ? g.pezzi(10) : b.unaVoce(g) + g.pezzi(3);
            for (bool completo : {false, true})
                for (bool scarti : {false, true}) b.parziali(testo, {completo, scarti, frasi});
            const std::string parola = g.pezzi(3), escludi = g.uno(3) ? g.pezzi(2) : "";
            for (bool scarti : {false, true}) b.interno(parola, escludi, {scarti, frasi});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DizionariCasuali, Confronto, ::testing::Range(1u, 301u));

// Dictionaries are walked a block of entries at a time; longer lists cross many blocks. All
// groups take enough short entries for every length to hold hundreds of them, sorted another
// way.
TEST(ConfrontoGrande, LongerListsMatchTheLetterLoops) {
    for (uint32_t seme : {7u, 8u}) {
        Generatore g(seme);
        std::vector<std::string> elenco;
        while (elenco.size() < 1500)
            elenco.push_back(g.uno(2) && !elenco.empty()
                                 ? g.variante(elenco[g.rng()() % elenco.size()])
                                 : g.pezzi(5));
        Banco{elenco}.tutti(seme % 2);
    }
    Generatore g(11);
    Banco b{g.dizionario(30000)};
    for (int q = 0; q < 6; ++q) {
        const bool frasi = q % 2;
        b.anagrammi(b.unaVoce(g), frasi);
        b.parziali(g.pezzi(9), {true, true, frasi});
        b.interno(g.pezzi(2), "", {true, frasi});
    }
}

} // namespace
