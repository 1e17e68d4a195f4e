#include "search/RicercaModello.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

namespace verbolario {
namespace {

using namespace prova;

RisultatoRicerca cruci(const Voci& v, const char* testo) {
    NoPoll np;
    return RicercaModello(testo, {}, v, np);
}

// Matching, status texts and the number key are held to the plain loop by the randomized
// comparison, edits by the three-ways test; here the list's capacity and stop requests.
// Not "literal" + std::string, which trips a false -Wrestrict warning in GCC 12.
std::string numerata(const char* prefisso, long n) {
    return std::string(prefisso).append(std::to_string(n));
}

TEST(RicercaModello, ListCapacityCutsInDictionaryOrder) {
    // Reverse alphabetical, so the cut shows which entries the dictionary met first.
    Voci v;
    for (int i = 39999; i >= 0; --i) v.append(numerata("p", 100000 + i));
    v.append("zzz");
    for (const Voci& x : {v, conIndici(v)}) {
        auto r = cruci(x, "P*");
        EXPECT_EQ(r.messaggio, "E' stata oltrepassata la capacit\xE0 della lista.");
        ASSERT_EQ(r.righe.size(), 32735u);
        EXPECT_EQ(r.stato, "32735 parole trovate");
        EXPECT_EQ(r.righe.front(), numerata("p", 100000 + 40000 - 32735));
        EXPECT_EQ(r.righe.back(), "p139999");
        EXPECT_TRUE(cruci(x, "P1000??").messaggio.empty());
        // Without the limit every hit is listed.
        NoPoll np;
        OpzioniModello tutte;
        tutte.senzaLimite = true;
        r = RicercaModello("P*", tutte, x, np);
        EXPECT_EQ(r.righe.size(), 40000u);
        EXPECT_EQ(r.stato, "40000 parole trovate");
        EXPECT_TRUE(r.messaggio.empty());
    }
}

TEST(RicercaModello, StopKeepsTheHitsSoFar) {
    Voci v;
    for (int i = 0; i < 100000; ++i) v.append(numerata(i % 2 ? "a" : "b", 100000 - i));
    for (const Voci& x : {v, conIndici(v)}) {
        StopDopo poll(0);
        auto r = RicercaModello("A*", {}, x, poll);
        EXPECT_TRUE(r.interrotto);
        EXPECT_TRUE(r.messaggio.empty());
        ASSERT_FALSE(r.righe.empty());
        ASSERT_LT(r.righe.size(), 50000u);
        // The hits are those a scan in dictionary order met before it stopped.
        EXPECT_EQ(r.righe.back(), "a99999");
        EXPECT_EQ(r.righe.front(),
                  numerata("a", static_cast<long>(100000 - 2 * r.righe.size() + 1)));
        EXPECT_TRUE(std::is_sorted(r.righe.begin(), r.righe.end()));
        EXPECT_EQ(r.stato, std::to_string(r.righe.size()) + " parole trovate");
    }
}

} // namespace
} // namespace verbolario
