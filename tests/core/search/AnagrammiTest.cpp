#include "search/Anagrammi.h"
#include "search/CercaInterno.h"
#include "search/Differenza.h"
#include "search/TuttiAnagrammi.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

OpzioniAnagrammi opzioni(bool frasi, bool scarti = false, std::string escludi = "") {
    return {frasi, scarti, std::move(escludi)};
}

RisultatoRicerca cerca(int sottomodo, std::string_view testo, const Voci& d,
                       OpzioniAnagrammi opzioni = {}) {
    NoPoll poll;
    return Anagrammi(sottomodo, testo, opzioni, d, poll);
}

TEST(Differenza, BlanksTheLettersTakenOut) {
    struct Caso {
        std::string_view a, b, atteso;
    } casi[] = {
        {"aeirstonl", "santo", " eir    l"},
        {"aab", "a", " ab"},
        {"abc", "xa", " bc"}, // a letter a does not hold takes nothing
        {"abc", "cba", ""},   // nothing is left when b is as long as a
        {"ab", "abc", ""},
        {"a b", " ", "a b"},
    };
    for (const Caso& c : casi) EXPECT_EQ(Differenza(c.a, c.b), c.atteso) << c.a << " - " << c.b;
}

TEST(Anagrammi, NothingTypedAsksForSomethingExceptForAllGroups) {
    const Voci d = dizionario({"roma", "amor"});
    for (int sottomodo : {kCompleti, kParziali, kContenitori}) {
        const RisultatoRicerca r = cerca(sottomodo, "   ", d);
        EXPECT_TRUE(!r.eseguita && r.beep);
        EXPECT_EQ(r.stato, "Scrivi qualcosa . . . . . .");
    }
    const RisultatoRicerca tutti = cerca(kTutti, "", d);
    EXPECT_TRUE(tutti.eseguita && !tutti.beep);
    EXPECT_EQ(tutti.righe, (V{"amor", "roma", std::string(kSeparatoreAnagrammi)}));
}

// Which entries each search lists is held to the letter loops by the randomized comparison;
// here the status texts and how the typed text and the options reach the searches.
TEST(Anagrammi, CompleteAnagrams) {
    const Voci d = dizionario(
        {"amor", "armo\tverbo", "m\xF2ra", "ramo", "roma", "al ramo", "ramola", "orma", "mar"});
    const RisultatoRicerca r = cerca(kCompleti, "  ROMA ", d);
    EXPECT_EQ(r.righe, (V{"amor", "m\xF2ra", "ramo", "orma"}));
    EXPECT_EQ(r.stato, "4 anagrammi trovati.");
    // The phrase setting makes blanks no characters.
    EXPECT_EQ(cerca(kCompleti, "la roma", d).righe, (V{"al ramo"}));
    EXPECT_EQ(cerca(kCompleti, "la roma", d, opzioni(true)).righe, (V{"al ramo", "ramola"}));
}

TEST(Anagrammi, PartialAnagrams) {
    const Voci d = dizionario({"ar", "arte", "rate", "tre", "terra", "et\xE0", "tra\tnota"});
    EXPECT_EQ(cerca(kParziali, "Arte", d).stato, "3 anagrammi trovati");
    // Leftover letters in code order after a TAB; an anagram of all of them leaves nothing.
    EXPECT_EQ(cerca(kParziali, "arte", d, opzioni(false, true)).righe,
              (V{"rate\t", "tre\ta", "et\xE0\tr"}));
    // Each hit used to keep the letters it took away from the entries after it.
    EXPECT_EQ(cerca(kParziali, "ocax", dizionario({"oca", "oca", "cao", "coca"})).righe,
              (V{"oca", "oca", "cao"}));
}

TEST(Anagrammi, Containers) {
    const Voci d = dizionario({"ca", "cane", "canap\xE8", "nacque", "acne\tnota", "c a n"});
    EXPECT_EQ(cerca(kContenitori, "can", d).stato, "5 contenitori trovati.");
    EXPECT_EQ(cerca(kContenitori, "ane", d, opzioni(true, true)).righe,
              (V{"cane\tc", "canap\xE8\tacp", "nacque\tcqu", "acne\tnota\tacnot"}));
}

TEST(Anagrammi, ContainerKeyExcludesLettersAndNamesDigits) {
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {
        {"ca", "", "ca", ""},
        {"ca", "r t", "ca", "rt"},
        {"CA", "rta", "ca", "rt"}, // a letter asked for is not excluded
        {"c1", "rT", "cr", "t"},   // 1 is the first letter of the key
        {"c3", "rt", "c3", "rt"},  // past the key's end a digit is a digit
        {"0", "abcdefghil", "l", "abcdefghi"},
        {" c1 ", " \xC8x", "c\xE8", "x"},
    };
    for (const auto& [testo, chiave, parola, escludi] : casi) {
        const RichiestaContenitori r = PreparaContenitori(testo, chiave);
        EXPECT_EQ(std::tie(r.parola, r.escludi), std::tie(parola, escludi))
            << testo << "/" << chiave;
    }
    const Voci d = dizionario({"cane", "carta", "cosa", "carro"});
    EXPECT_EQ(cerca(kContenitori, "ca", d, opzioni(false, false, "rt")).righe, (V{"cane", "cosa"}));
    EXPECT_EQ(cerca(kContenitori, "c1", d, opzioni(false, false, "rt")).righe, (V{"carro"}));
    // The count names the letters left out, so a short list is not taken for the whole answer.
    EXPECT_EQ(cerca(kContenitori, "ca", d, opzioni(false, false, "rt\xE8")).stato,
              "2 contenitori trovati.\r\nLettere escluse: R T \xC8");
    EXPECT_EQ(cerca(kContenitori, "cat", d, opzioni(false, false, "t")).stato,
              "1 contenitori trovati.");
}

TEST(Anagrammi, AllGroupsInTheOrderOfThePass) {
    const Voci d = dizionario(
        {"amor", "mar", "mora", "ramo", "roma", "arm", "rete", "erte", "ra m", "m\xE0r", "ert"});
    const uint64_t versione = d.version();
    const RisultatoRicerca r = cerca(kTutti, "", d);
    const std::string sep(kSeparatoreAnagrammi);
    EXPECT_EQ(r.righe, (V{"mora", "ramo", "roma", "amor", sep, "erte", "rete", sep}));
    EXPECT_EQ(r.stato, "4 anagrammi     >>>   6  di  10");
    EXPECT_EQ(d.version(), versione);

    // With blanks dropped, the four-character "ra m" opens a group of short words.
    EXPECT_EQ(cerca(kTutti, "", d, opzioni(true)).righe,
              (V{"mora", "ramo", "roma", "amor", sep, "erte", "rete", sep, "mar", "arm", "m\xE0r",
                 "ra m", sep}));
}

TEST(Anagrammi, EmptyOrFailedDictionary) {
    for (const Voci& d : {Voci{}, dizionario({""})}) {
        for (int sottomodo : {kCompleti, kParziali, kContenitori})
            EXPECT_TRUE(cerca(sottomodo, "roma", d).righe.empty());
        EXPECT_EQ(cerca(kTutti, "", d).stato, "0 anagrammi     >>>   0  di  0");
    }
}

// Pairs of four-letter words spelled forwards and backwards: groups all along the list.
Voci coppie(size_t n) {
    Voci v;
    for (size_t k = 0; v.size() < n; ++k) {
        std::string w;
        for (size_t x = k; w.size() < 4; x /= 26) w += static_cast<char>('a' + x % 26);
        v.append(w);
        v.append(std::string(w.rbegin(), w.rend()));
    }
    return v;
}

TEST(Anagrammi, AStopEndsAllGroupsAfterACompleteGroup) {
    const Voci d = coppie(20000);
    const RisultatoRicerca tutto = cerca(kTutti, "", d);
    // Every place a stop can come, the grouping between the two passes among them.
    struct Conta : Poll {
        int n = 0;
        bool stop() override { return ++n < 0; }
    } conta;
    Anagrammi(kTutti, "", {}, d, conta);
    bool parziale = false;
    for (int n = 0; n <= conta.n; ++n) {
        StopDopo poll(n);
        const RisultatoRicerca r = Anagrammi(kTutti, "", {}, d, poll);
        ASSERT_LE(r.righe.size(), tutto.righe.size());
        EXPECT_TRUE(std::equal(r.righe.begin(), r.righe.end(), tutto.righe.begin()));
        if (!r.righe.empty()) {
            EXPECT_EQ(r.righe.back(), kSeparatoreAnagrammi);
        }
        parziale |= r.interrotto && !r.righe.empty();
    }
    EXPECT_TRUE(parziale);
}

} // namespace
