#include "dictionary/Ripulisci.h"

#include "core/Prova.h"
#include "dictionary/AnalisiLetterale.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

// The clean-up done the long way, as the command was first written: join the entries into
// one text (two spaces between entries, one at the end), split it at every non-letter
// counting the empty pieces, sort the words, blank the repeats, keep the rest.
namespace letterale {

std::string UnisciVoci(const V& voci) {
    std::string t;
    for (size_t i = 0; i + 1 < voci.size(); ++i) t += voci[i] + "  ";
    return t + voci.back() + " ";
}

bool lettera(unsigned char c) {
    static const std::string_view accentate =
        "\xE0\xE2\xE1\xE3\xE4\xEA\xE8\xE9\xEB\xEC\xED\xEE\xEF\xF4\xF2\xF3\xF5\xF6\xF9\xFC\xFB\xFA";
    return (c >= 'a' && c <= 'z') || accentate.find(static_cast<char>(c)) != std::string_view::npos;
}

V ScomponiParole(std::string testo, int64_t& contatore) {
    V nuove;
    testo = cp1252::lowered(testo);
    size_t q = 0; // 1-based position of the last separator
    for (size_t i = 1; i <= testo.size(); ++i) {
        if (lettera(static_cast<unsigned char>(testo[i - 1]))) continue;
        std::string pezzo = testo.substr(q, i - 1 - q);
        if (pezzo.empty())
            ++contatore;
        else
            nuove.push_back(pezzo);
        q = i;
    }
    return nuove;
}

int64_t EliminaDoppi(V& a) {
    int64_t n = 0;
    for (size_t i = 0; i + 1 < a.size(); ++i)
        if (!a[i].empty() && a[i] == a[i + 1]) {
            a[i].clear();
            ++n;
        }
    return n;
}

struct Esito {
    V parole;
    int64_t doppioni = 0, nonValidi = 0;
};

Esito Ripulisci(const V& voci) {
    Esito e;
    e.nonValidi = -(static_cast<int64_t>(voci.size()) - 1);
    V nuove = ScomponiParole(UnisciVoci(voci), e.nonValidi);
    std::sort(nuove.begin(), nuove.end()); // equal words are alike: any sort will do
    e.doppioni = EliminaDoppi(nuove);
    for (auto& p : nuove)
        if (!p.empty()) e.parole.push_back(p);
    return e;
}

} // namespace letterale

} // namespace

// Words and counts are held to the long way by the randomized comparison; here the report.
TEST(Ripulisci, Report) {
    const std::string fatta = "Formattazione dizionario eseguita.\r\n";
    const std::string doppio = "Eliminati [ 1 ] doppioni risultanti";
    auto nonValidi = [&](int n) {
        return fatta + "Eliminati [ " + std::to_string(n) + " ] caratteri non validi\r\n";
    };
    NoPoll poll;
    StatisticheLettere stat;
    auto ripulisci = [&](Voci v) { return Ripulisci(v, stat, poll); };
    EXPECT_EQ(ripulisci(dizionario({"l'amico", "casa bella", "casa"})).rapporto, fatta + doppio);
    EXPECT_EQ(ripulisci(dizionario({"Citt\xE0", "CITT\xC0!", "  "})).rapporto,
              nonValidi(4) + doppio);
    const EsitoRipulisci nulla = ripulisci(dizionario({"cane\tanimale"}));
    EXPECT_EQ(nulla.rapporto, fatta + "Non \xE8 stata effettuata nessuna modifica..");
    EXPECT_FALSE(nulla.modificato());
    // Nothing but separators: the empty dictionary of an empty file.
    Voci v = dizionario({"12", "--"});
    EsitoRipulisci e = Ripulisci(v, stat, poll);
    EXPECT_EQ(e.rapporto, nonValidi(6));
    EXPECT_TRUE(e.modificato());
    EXPECT_EQ(elenco(v), V{""});
}

TEST(Ripulisci, AgreesWithJoiningAndSplittingOnRandomLists) {
    std::mt19937 rng(11);
    const std::string alfabeto = "abcAB \t'-,.1\xE0\xC0\xE8\xC8\xD1\xF1\xDE";
    NoPoll poll;
    for (int t = 0; t < 3000; ++t) {
        V lista(1 + rng() % 8);
        for (auto& e : lista) {
            e.resize(rng() % 7);
            for (char& c : e) c = alfabeto[rng() % alfabeto.size()];
        }
        letterale::Esito atteso = letterale::Ripulisci(lista);
        Voci v = dizionario(lista);
        StatisticheLettere stat;
        EsitoRipulisci e = Ripulisci(v, stat, poll);
        ASSERT_TRUE(e.ok);
        V parole = elenco(v);
        if (parole == V{""}) parole.clear();
        ASSERT_EQ(parole, atteso.parole) << t;
        ASSERT_EQ(e.doppioni, atteso.doppioni) << t;
        ASSERT_EQ(e.nonValidi, atteso.nonValidi) << t;

        StatisticheLettere dalTesto;
        ASSERT_TRUE(AnalisiLetterale(letterale::UnisciVoci(elenco(v)), dalTesto, poll));
        ASSERT_EQ(stat.perc, dalTesto.perc);
        ASSERT_EQ(stat.stringaLettere, dalTesto.stringaLettere);
    }
}

TEST(Ripulisci, StopLeavesDictionaryAndStatisticsAlone) {
    for (int dopo = 0;; ++dopo) {
        ASSERT_LT(dopo, 1000);
        Voci v = dizionario({"zeta", "Alfa beta", "alfa"});
        StatisticheLettere stat;
        stat.stringaLettere = "X";
        StopDopo ferma(dopo);
        EsitoRipulisci e = Ripulisci(v, stat, ferma);
        if (e.ok) break; // no longer asks
        EXPECT_TRUE(e.interrotto);
        EXPECT_EQ(elenco(v), (V{"zeta", "Alfa beta", "alfa"}));
        EXPECT_EQ(stat.stringaLettere, "X");
        EXPECT_FALSE(e.modificato());
    }
}
