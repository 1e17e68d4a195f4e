// Preparing a round of the timed game: the part, the four words, the small-dictionary rule,
// the restart after the draws run out, and the dictionaries on which no round exists.

#include "games/PreparaSfida.h"

#include "CasualeScritto.h"
#include "core/Prova.h"

#include <deque>
#include <random>
#include <set>

namespace verbolario {
namespace {

using prova::CasualeScritto;
using prova::dizionario;
using prova::V;

// The number that makes indice(n) give i.
double tra(int i, int n) {
    return (i + 0.5) / n;
}

// A dictionary of made-up words from Italian syllables, 2 to 9 syllables long.
Voci sillabe(uint32_t seme, size_t quante) {
    static const char* kSillabe[] = {"ca", "sa", "to", "ri", "ne", "la", "mo",   "pe", "tu",
                                     "vi", "ce", "ra", "no", "di", "st", "\xE0", "gli"};
    std::mt19937 rng(seme);
    V parole;
    for (size_t i = 0; i < quante; ++i) {
        std::string w;
        const int n = 2 + static_cast<int>(rng() % 8);
        for (int s = 0; s < n; ++s) w += kSillabe[rng() % std::size(kSillabe)];
        parole.push_back(w);
    }
    return dizionario(parole);
}

Preparazione prepara(const Voci& voci, int k, int l, Casuale& caso) {
    NoPoll poll;
    return PreparaSfida(voci, k, l, caso, poll);
}

TEST(PreparaSfida, QuattroParoleDiverseConLaStessaParte) {
    const Voci voci = sillabe(7, 3000);
    for (int k : {2, 3, 4}) {
        for (int l : {6, 10, 16}) {
            for (uint32_t seme = 1; seme <= 5; ++seme) {
                SCOPED_TRACE(testing::Message() << "K " << k << " L " << l << " seme " << seme);
                const Preparazione p = prepara(voci, k, l, *casualeDaSeme(seme));
                ASSERT_EQ(p.esito, EsitoSfida::Pronta);
                const Sfida& s = p.sfida;
                EXPECT_EQ(s.parte.size(), static_cast<size_t>(k));
                std::set<std::string> diverse(s.voci.begin(), s.voci.end());
                EXPECT_EQ(diverse.size(), 4u);
                for (size_t i = 0; i < 4; ++i) {
                    EXPECT_GE(s.voci[i].size(), 6u);
                    EXPECT_LE(s.voci[i].size(), static_cast<size_t>(l));
                    const std::string n = s.nascosta(i);
                    EXPECT_NE(n.find(std::string(static_cast<size_t>(k), '+')), std::string::npos)
                        << n;
                }
            }
        }
    }
}

// Short words of a small dictionary: a part held by fewer than four entries is replaced, one
// held by 4 to 20 gives the first four in dictionary order (a repeated entry only once).
TEST(PreparaSfida, DizionarioPiccoloInOrdine) {
    const Voci voci = dizionario({"abcxyz", "postal", "xyzabc", "mostra", "rostro", "postal",
                                  "gostar", "fostra", "tosta", "postaleggio"});
    // Length 6 only, in dictionary order: abcxyz postal xyzabc mostra rostro postal gostar
    // fostra.
    CasualeScritto caso({tra(0, 8), tra(3, 4), tra(1, 8), tra(1, 4)}, 0.99);
    const Preparazione p = prepara(voci, 3, 6, caso);
    ASSERT_EQ(p.esito, EsitoSfida::Pronta);
    EXPECT_EQ(p.sfida.parte, "ost");
    EXPECT_EQ(V(p.sfida.voci.begin(), p.sfida.voci.end()),
              (V{"postal", "mostra", "rostro", "gostar"}));
    EXPECT_TRUE(caso.esaurito());
    EXPECT_EQ(Numera(voci, "ost", 6), 6);
    EXPECT_EQ(Numera(voci, "ost", 11), 7);
}

// Three words hold the first part: after 10000 counted draws a new part is chosen, and a
// word drawn twice is neither shown twice nor counted.
TEST(PreparaSfida, NuovaParteDopoDiecimilaEstrazioni) {
    const Voci voci = dizionario(
        {"aqzbcd", "eqzfgh", "iqzjkl", "mnopqr", "xyaaaa", "bbxybb", "ccccxy", "ddxydd", "eexyee"});
    std::deque<double> numeri{tra(0, 9), tra(1, 5), tra(0, 9), tra(1, 9), tra(2, 9)};
    numeri.insert(numeri.end(), kEstrazioniPerParte - 3, tra(3, 9));
    for (double r : {tra(4, 9), tra(0, 5), tra(4, 9), tra(4, 9), tra(5, 9), tra(6, 9), tra(7, 9)})
        numeri.push_back(r);
    CasualeScritto caso(numeri, 0.99);
    const Preparazione p = prepara(voci, 2, 10, caso);
    ASSERT_EQ(p.esito, EsitoSfida::Pronta);
    EXPECT_EQ(p.sfida.parte, "xy");
    EXPECT_EQ(V(p.sfida.voci.begin(), p.sfida.voci.end()),
              (V{"xyaaaa", "bbxybb", "ccccxy", "ddxydd"}));
    EXPECT_TRUE(caso.esaurito());
}

// Dictionaries on which drawing alone would never end: the preparation ends with the reason,
// or finds the one part that works.
TEST(PreparaSfida, DizionariSenzaPartita) {
    struct Caso {
        const char* nome;
        V parole;
        int k, l;
        EsitoSfida esito;
        std::string parte = {};
    };
    const EsitoSfida senzaVoci = EsitoSfida::NessunaVoceAdatta,
                     senzaParte = EsitoSfida::NessunaParteComune, pronta = EsitoSfida::Pronta;
    const V rara{"aqzzcd", "eqzzgh", "iqzzkl", "mqzzop"};
    const Caso casi[] = {
        {"solo parole corte", {"casa", "cane", "anna"}, 2, 10, senzaVoci},
        {"solo parole lunghe", {"casolare", "casotto", "cassetta"}, 2, 6, senzaVoci},
        {"nessun comune", {"abcdef", "ghijkl", "mnopqr", "stuvwx", "abcxyz"}, 2, 10, senzaParte},
        {"nessun comune, corte", {"abcdef", "ghijkl", "mnopqr", "abcxyz"}, 3, 6, senzaParte},
        {"una sola parola ripetuta", V(30, "casale"), 2, 10, senzaParte},
        {"tre parole e basta", {"casale", "casone", "casato"}, 2, 10, senzaParte},
        // The draws always land on the first entry, whose parts nobody shares; only one pass
        // over the entries finds the part that four words hold.
        {"una parte rara", rara, 2, 10, pronta, "qz"},
        {"una parte rara, parole corte", rara, 3, 6, pronta, "qzz"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Voci voci = dizionario(c.parole);
        CasualeScritto caso;
        const Preparazione p = prepara(voci, c.k, c.l, caso);
        EXPECT_EQ(p.esito, c.esito);
        if (c.esito == EsitoSfida::Pronta) {
            EXPECT_EQ(p.sfida.parte, c.parte);
            EXPECT_EQ(V(p.sfida.voci.begin(), p.sfida.voci.end()), rara);
        } else {
            EXPECT_FALSE(MessaggioSfida(p.esito, c.k, c.l).empty());
        }
    }
    EXPECT_EQ(MessaggioSfida(EsitoSfida::NessunaParteComune, 3, 10),
              "Nel dizionario non ci sono quattro parole diverse, lunghe da 6 a 10 lettere, con "
              "3 lettere consecutive in comune.\r\nProva con meno lettere mancanti o con parole "
              "pi\xF9 lunghe.");
}

TEST(PreparaSfida, LoStopInterrompe) {
    const Voci buone = sillabe(3, 500);
    const Voci senza = dizionario({"abcdef", "ghijkl", "mnopqr", "stuvwx"});
    for (int dopo : {0, 1, 50, 20000}) {
        for (const Voci* v : {&buone, &senza}) {
            prova::StopDopo poll(dopo);
            const Preparazione p = PreparaSfida(*v, 4, 16, *casualeDaSeme(1), poll);
            // A round found before the stop comes is a round; otherwise nothing starts.
            if (p.esito != EsitoSfida::Pronta || dopo == 0) {
                EXPECT_EQ(p.esito, EsitoSfida::Interrotta);
            }
        }
    }
}

} // namespace
} // namespace verbolario
