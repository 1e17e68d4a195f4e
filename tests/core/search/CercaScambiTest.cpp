#include "search/CercaScambi.h"

#include "core/Prova.h"
#include "search/Arrangia.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"
#include "text/Wildcard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

// The exchange loop as the search is defined, with wildcard patterns; only for words
// without wildcard signs of their own.
V letterale(int tipo, std::string_view parolaIn, bool tutte, const Voci& v) {
    const std::string insieme(tipo == 0 ? lettere::kVocali : lettere::kConsonanti);
    const Wildcard dentro("[" + insieme + "]");
    auto in = [&dentro](char c) { return dentro.matches(std::string_view(&c, 1)); };
    const std::string copia = accenti::NoAcc(parolaIn);
    std::string modello = copia;
    if (tutte)
        for (char& c : modello)
            if (in(c)) c = '?';
    const Wildcard tutto(modello);
    V out;
    for (size_t i = 0; i < v.size(); ++i) {
        std::string_view e = v[i];
        if (e.size() != copia.size()) continue;
        std::string w(e);
        if (w.find_first_of(" -") != std::string::npos) w = Arrangia(w);
        w = accenti::NoAcc(w);
        if (tutte) {
            bool ok = tutto.matches(w) && w != copia;
            for (size_t j = 0; ok && j < modello.size(); ++j)
                if (modello[j] == '?') ok = in(w[j]);
            if (ok) out.emplace_back(e);
            continue;
        }
        for (size_t j = 0; j < copia.size(); ++j) {
            std::string m = copia;
            if (in(copia[j])) m[j] = '?';
            if (Wildcard(m).matches(w) && w != copia && m[j] == '?' && in(w[j]))
                out.emplace_back(e);
        }
    }
    return out;
}

V scambi(int tipo, std::string_view parola, bool tutte, const Voci& v) {
    NoPoll poll;
    return CercaScambi(tipo, parola, tutte, v, poll).righe;
}

} // namespace

// The randomized comparison passes trimmed, lower-case words without wildcard signs.
TEST(CercaScambi, TheWordIsTrimmedFoldedAndTakenLiterally) {
    const Voci v = dizionario({"cane", "cene", "c\xE0ne", "pane", "c?na", "c*ni", "cxne"});
    EXPECT_EQ(scambi(0, " C\xE0ne ", false, v), V{"cene"});
    EXPECT_EQ(scambi(7, " C\xE0ne ", false, v), V{"pane"}); // any kind but 0 is consonants
    EXPECT_EQ(scambi(0, "c?ne", false, v), V{"c?na"});
    EXPECT_EQ(scambi(0, "c*ne", true, v), V{"c*ni"});
    EXPECT_TRUE(scambi(0, "[ane", true, v).empty());
}

TEST(CercaScambi, StatoEIngresso) {
    const Voci v = dizionario({"cene", "pane", "rane"});
    const std::tuple<int, const char*, const char*> casi[] = {
        {0, "cane", "1 cambio di vocale trovato."},
        {1, "cane", "2 cambi di consonante trovati."},
        {1, "pene", "1 cambio di consonante trovato."},
        {0, "zzz", "0 cambi di vocale trovati."},
    };
    NoPoll poll;
    for (const auto& [tipo, parola, stato] : casi) {
        RisultatoRicerca r = CercaScambi(tipo, parola, false, v, poll);
        EXPECT_TRUE(r.eseguita);
        EXPECT_EQ(r.stato, stato);
    }
    EXPECT_FALSE(CercaScambi(0, "", false, v, poll).eseguita);
    EXPECT_FALSE(CercaScambi(1, "   ", true, v, poll).eseguita);
    EXPECT_EQ(CercaScambi(0, "cane", true, Voci{}, poll).stato, "0 cambi di vocale trovati.");
}

// Every kind, with and without all places, plainly and through the index.
void confrontaScambi(const Voci& v, const V& parole, const std::string& come) {
    const Voci x = conIndici(v);
    for (const std::string& parola : parole)
        for (int tipo : {0, 1})
            for (bool tutte : {false, true}) {
                const V atteso = letterale(tipo, parola, tutte, v);
                EXPECT_EQ(scambi(tipo, parola, tutte, v), atteso)
                    << come << parola << tipo << tutte;
                EXPECT_EQ(scambi(tipo, parola, tutte, x), atteso)
                    << come << parola << tipo << tutte;
            }
}

// Four-letter words of the given letters, one in `segni` broken by a blank or a hyphen.
Voci quattroLettere(std::mt19937& rng, size_t n, std::span<const std::string_view> lettere,
                    unsigned segni, bool ordinate) {
    V parole;
    for (size_t i = 0; i < n; ++i) {
        std::string w;
        for (int k = 0; k < 4; ++k) w += lettere[rng() % lettere.size()];
        if (segni && rng() % segni == 0) {
            const size_t dove = 1 + rng() % 3;
            w = w.substr(0, dove) + (rng() % 2 ? " " : "-") + w.substr(dove);
        }
        parole.push_back(w);
    }
    if (ordinate) std::sort(parole.begin(), parole.end());
    return dizionario(parole);
}

TEST(CercaScambi, UgualeAlCicloSuDizionariCasuali) {
    Generatore gen(3);
    for (int d = 0; d < 300; ++d) {
        const Voci v = gen.dizionario(80);
        V parole;
        for (int q = 0; q < 6; ++q) {
            std::string parola = q % 2 ? std::string(v[gen.rng()() % v.size()]) : gen.parola(5);
            parola = std::string(trim(parola));
            if (!parola.empty() && parola.find_first_of("?*#[") == std::string::npos)
                parole.push_back(cp1252::lowered(parola));
        }
        confrontaScambi(v, parole, std::to_string(d));
    }
    // Groups of one length that span many blocks of rows, the last one partial, with entries
    // compared without their blanks and hyphens, and accented ones, among them.
    std::mt19937 rng(11);
    static constexpr std::string_view kLettere[] = {"c", "a", "n", "e", "o", "t", "\xE0", "\xE8"};
    for (size_t n : {63u, 64u, 65u, 200u, 1000u})
        confrontaScambi(quattroLettere(rng, n, kLettere, 9, false),
                        {"cane",
                         "ca\xE0"
                         "e",
                         "tttt", "aeoa", "oooo"},
                        std::to_string(n));
    // On a sorted list the first places are kept as runs of rows.
    confrontaScambi(quattroLettere(rng, 6000, std::span(kLettere).first(7), 0, true),
                    {"cane", "anna", "ooec"}, "ordinata");
}
