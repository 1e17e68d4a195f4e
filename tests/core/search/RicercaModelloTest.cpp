#include "search/RicercaModello.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

namespace verbolario {
namespace {

using namespace prova;
using Righe = V;

RisultatoRicerca cruci(const Voci& v, const char* testo) {
    NoPoll np;
    return RicercaModello(testo, {}, v, np);
}

RisultatoRicerca mnemos(const Voci& v, const char* testo, const char* chiave) {
    NoPoll np;
    return RicercaModello(testo, {true, chiave, false, false, false}, v, np);
}

TEST(RicercaModello, CrosswordPatterns) {
    const Voci v = dizionario({"prova", "privo", "piove", "pravo", "approvare", "provare",
                               "citt\xE0", "citta", "cittadino", "a capo", "acapo", "capo",
                               "casa\tabitazione", "pavia", "pr3", "Prova", ""});
    const std::pair<const char*, Righe> casi[] = {
        {"P??V?", {"piove", "pravo", "privo", "prova"}},
        {"PRV", {"approvare", "pravo", "privo", "prova", "provare"}},
        // Folded entries: città answers CITTA; an accented pattern compares unfolded.
        {"CITTA", {"citta", "citt\xE0", "cittadino"}},
        {"CITT\xC0", {"citt\xE0"}},
        // Blanks and hyphens are cut out of the entry before comparing.
        {"ACAPO", {"a capo", "acapo"}},
        // A comment after a TAB is part of what is compared and what is listed.
        {"CASA", {"casa\tabitazione"}},
        {"CAS?", {}},
        {"PR#", {"pr3"}},
        // An entry stored with a capital keeps it: patterns are lower case.
        {"[!p]????", {"a capo", "acapo", "citta", "citt\xE0", "Prova"}},
    };
    for (const auto& [testo, attese] : casi) EXPECT_EQ(cruci(v, testo).righe, attese) << testo;
    EXPECT_EQ(cruci(v, "xyz").stato, "Nessuna parola trovata");
    EXPECT_EQ(cruci(v, "CITT\xC0").stato, "Una parola trovata");
    EXPECT_EQ(cruci(v, "P??V?").stato, "4 parole trovate");
}

TEST(RicercaModello, EmptyTextEmptyOrEditedDictionary) {
    Voci v = dizionario({"casa", "cosa"});
    for (const char* testo : {"", "   "}) {
        auto r = cruci(v, testo);
        EXPECT_FALSE(r.eseguita);
        EXPECT_TRUE(r.beep);
        EXPECT_EQ(r.stato, "Scrivi qualcosa . . . . ");
        EXPECT_TRUE(r.righe.empty());
    }
    auto r = cruci(Voci{}, "*");
    EXPECT_TRUE(r.eseguita);
    EXPECT_TRUE(r.righe.empty());
    EXPECT_EQ(r.stato, "Nessuna parola trovata");
    // Blanks around the text are not part of the pattern; edits show at once.
    EXPECT_EQ(cruci(v, " C?SA ").righe, (Righe{"casa", "cosa"}));
    v.set(0, "a-casa");
    v.append("c\xF2sa");
    EXPECT_EQ(cruci(v, "C?SA").righe, (Righe{"cosa", "c\xF2sa"}));
    EXPECT_EQ(cruci(v, "ACASA").righe, (Righe{"a-casa"}));
}

TEST(RicercaModello, NumberKey) {
    const std::string ab = std::string("\xE0") + "b"; // àb
    const Voci v = dizionario({"abito", "cabina", "bar", "baba", "tab", "aba", "ab3", "boa", ab,
                               "abba", "citt\xE0", "citta"});
    const std::tuple<const char*, const char*, Righe> casi[] = {
        // *a*b*: entries holding c go, and so do those with a or b twice.
        {"12", "ABC", {ab, "ab3", "abito", "tab"}},
        // Every key letter in the pattern: the repetition check still holds.
        {"12", "AB", {ab, "ab3", "abito", "tab"}},
        // A digit beyond the key stays a digit.
        {"123", "AB", {"ab3"}},
        // An accented key compares unfolded.
        {"1", "\xC0Z", {ab, "citt\xE0"}},
        // An accent typed in the pattern counts even when the key has none.
        {"CITT\xC0", "XYZ", {"citt\xE0"}},
        // Without a key nothing but the pattern counts.
        {"AB", "", {ab, "ab3", "aba", "abba", "abito", "baba", "cabina", "tab"}},
    };
    for (const auto& [testo, chiave, attese] : casi)
        EXPECT_EQ(mnemos(v, testo, chiave).righe, attese) << testo;
}

// Not "literal" + std::string, which trips a false -Wrestrict warning in GCC 12.
std::string numerata(const char* prefisso, long n) {
    return std::string(prefisso).append(std::to_string(n));
}

TEST(RicercaModello, ListCapacityCutsInDictionaryOrder) {
    // Reverse alphabetical, so the cut shows which entries the dictionary met first.
    Voci v;
    for (int i = 39999; i >= 0; --i) v.append(numerata("p", 100000 + i));
    v.append("zzz");
    auto r = cruci(v, "P*");
    EXPECT_EQ(r.messaggio, "E' stata oltrepassata la capacit\xE0 della lista.");
    ASSERT_EQ(r.righe.size(), 32735u);
    EXPECT_EQ(r.stato, "32735 parole trovate");
    EXPECT_EQ(r.righe.front(), numerata("p", 100000 + 40000 - 32735));
    EXPECT_EQ(r.righe.back(), "p139999");
    EXPECT_TRUE(cruci(v, "P1000??").messaggio.empty());
}

TEST(RicercaModello, StopKeepsTheHitsSoFar) {
    Voci v;
    for (int i = 0; i < 100000; ++i) v.append(numerata(i % 2 ? "a" : "b", 100000 - i));
    StopDopo poll(0);
    auto r = RicercaModello("A*", {}, v, poll);
    EXPECT_TRUE(r.interrotto);
    EXPECT_TRUE(r.messaggio.empty());
    ASSERT_FALSE(r.righe.empty());
    ASSERT_LT(r.righe.size(), 50000u);
    // The hits are those a scan in dictionary order met before it stopped.
    EXPECT_EQ(r.righe.back(), "a99999");
    EXPECT_EQ(r.righe.front(), numerata("a", static_cast<long>(100000 - 2 * r.righe.size() + 1)));
    EXPECT_TRUE(std::is_sorted(r.righe.begin(), r.righe.end()));
    EXPECT_EQ(r.stato, std::to_string(r.righe.size()) + " parole trovate");
}

} // namespace
} // namespace verbolario
