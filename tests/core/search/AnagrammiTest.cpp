#include "search/Anagrammi.h"
#include "search/CercaInterno.h"
#include "search/Differenza.h"
#include "search/TuttiAnagrammi.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace verbolario;

namespace {

using Righe = std::vector<std::string>;

Voci dizionario(std::initializer_list<std::string_view> voci) {
    Voci v;
    for (std::string_view e : voci) v.append(e);
    return v;
}

// Says "stop" from its (n+1)-th question on.
class FermaDopo : public Poll {
public:
    explicit FermaDopo(int n) : n_(n) {}
    bool stop() override { return n_-- <= 0; }

private:
    int n_;
};

RisultatoRicerca cerca(int sottomodo, std::string_view testo, const Voci& voci,
                       OpzioniAnagrammi opzioni = {}) {
    NoPoll poll;
    return Anagrammi(sottomodo, testo, opzioni, voci, poll);
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
    const Voci voci = dizionario({"roma", "amor"});
    for (int sottomodo : {kCompleti, kParziali, kContenitori}) {
        const RisultatoRicerca r = cerca(sottomodo, "   ", voci);
        EXPECT_FALSE(r.eseguita);
        EXPECT_TRUE(r.beep);
        EXPECT_EQ(r.stato, "Scrivi qualcosa . . . . . .");
    }
    const RisultatoRicerca tutti = cerca(kTutti, "", voci);
    EXPECT_TRUE(tutti.eseguita);
    EXPECT_FALSE(tutti.beep);
    EXPECT_EQ(tutti.righe, (Righe{"amor", "roma", std::string(kSeparatoreAnagrammi)}));
}

TEST(Anagrammi, CompleteAnagramsLeaveTheWordOutAndFoldAccents) {
    const Voci voci = dizionario(
        {"amor", "armo\tverbo", "m\xF2ra", "ramo", "roma", "romano", "R\xD2MA", "orma", "mar"});
    const RisultatoRicerca r = cerca(kCompleti, "roma", voci);
    // The entry with a comment holds a TAB and is longer; capitals are other characters.
    EXPECT_EQ(r.righe, (Righe{"amor", "m\xF2ra", "ramo", "orma"}));
    EXPECT_EQ(r.stato, "4 anagrammi trovati.");
    // Typed capitals (pasted text) are lower-cased like every other input.
    EXPECT_EQ(cerca(kCompleti, "  ROMA ", voci).righe, r.righe);
    // Folding makes m\xF2ra the same word as mora: it is not an anagram of itself.
    EXPECT_EQ(cerca(kCompleti, "mora", voci).righe, (Righe{"amor", "ramo", "roma", "orma"}));
}

TEST(Anagrammi, ThePhraseSettingDecidesWhetherBlanksCount) {
    const Voci voci = dizionario({"al ramo", "ramola", "ramo la", "a-lroma", "mola\xBDra"});
    // Blanks are characters like letters; the \xBD sign always gets an entry cleaned.
    EXPECT_EQ(cerca(kCompleti, "la roma", voci).righe, (Righe{"al ramo", "ramo la"}));
    OpzioniAnagrammi frasi;
    frasi.frasi = true;
    EXPECT_EQ(cerca(kCompleti, "la roma", voci, frasi).righe,
              (Righe{"al ramo", "ramola", "ramo la", "mola\xBDra"}));
    EXPECT_EQ(cerca(kCompleti, "ramola", voci).righe, (Righe{"mola\xBDra"}));
}

TEST(Anagrammi, PartialAnagramsListWordsOfThreeLettersOrMore) {
    const Voci voci =
        dizionario({"ar", "arte", "rate", "re", "tre", "terra", "t\xE8", "et\xE0", "tra\tnota"});
    OpzioniAnagrammi opzioni;
    RisultatoRicerca r = cerca(kParziali, "Arte", voci, opzioni);
    EXPECT_EQ(r.righe, (Righe{"rate", "tre", "et\xE0"}));
    EXPECT_EQ(r.stato, "3 anagrammi trovati");
    opzioni.scarti = true;
    r = cerca(kParziali, "arte", voci, opzioni);
    // Leftover letters in code order after a TAB; an anagram of all of them leaves nothing.
    EXPECT_EQ(r.righe, (Righe{"rate\t", "tre\ta", "et\xE0\tr"}));
}

TEST(Anagrammi, EveryEntryIsTriedAgainstAllTheLetters) {
    // Each hit used to keep the letters it took away from the entries after it.
    const Voci voci = dizionario({"oca", "oca", "cao", "coca"});
    EXPECT_EQ(cerca(kParziali, "ocax", voci).righe, (Righe{"oca", "oca", "cao"}));
}

TEST(Anagrammi, ContainersAreAtLeastAsLongAndFoldAccentsUnlessTyped) {
    const Voci voci = dizionario(
        {"ca", "cane", "canap\xE8", "c\xE0ne", "nacque", "cena", "acne\tnota", "can", "c a n"});
    RisultatoRicerca r = cerca(kContenitori, "can", voci);
    EXPECT_EQ(r.righe,
              (Righe{"cane", "canap\xE8", "c\xE0ne", "nacque", "cena", "acne\tnota", "c a n"}));
    EXPECT_EQ(r.stato, "7 contenitori trovati.");
    EXPECT_EQ(cerca(kContenitori, "c\xE0n", voci).righe, (Righe{"c\xE0ne"}));
    OpzioniAnagrammi opzioni;
    opzioni.scarti = true;
    opzioni.frasi = true;
    r = cerca(kContenitori, "ane", voci, opzioni);
    EXPECT_EQ(r.righe, (Righe{"cane\tc", "canap\xE8\tacp", "c\xE0ne\tc", "nacque\tcqu", "cena\tc",
                              "acne\tnota\tacnot"}));
}

TEST(Anagrammi, ContainerKeyExcludesLettersAndNamesDigits) {
    struct Caso {
        std::string_view testo, chiave, parola, escludi;
    } casi[] = {
        {"ca", "", "ca", ""},
        {"ca", "r t", "ca", "rt"},
        {"CA", "rta", "ca", "rt"}, // a letter asked for is not excluded
        {"c1", "rT", "cr", "t"},   // 1 is the first letter of the key
        {"c3", "rt", "c3", "rt"},  // past the key's end a digit is a digit
        {"0", "abcdefghil", "l", "abcdefghi"},
        {" c1 ", " \xC8x", "c\xE8", "x"},
    };
    for (const Caso& c : casi) {
        const RichiestaContenitori r = PreparaContenitori(c.testo, c.chiave);
        EXPECT_EQ(r.parola, c.parola) << c.testo << " / " << c.chiave;
        EXPECT_EQ(r.escludi, c.escludi) << c.testo << " / " << c.chiave;
    }
    const Voci voci = dizionario({"cane", "carta", "cosa", "carro"});
    OpzioniAnagrammi opzioni;
    opzioni.escludi = "rt";
    EXPECT_EQ(cerca(kContenitori, "ca", voci, opzioni).righe, (Righe{"cane", "cosa"}));
    EXPECT_EQ(cerca(kContenitori, "c1", voci, opzioni).righe, (Righe{"carro"}));
}

TEST(Anagrammi, AllGroupsInTheOrderOfThePass) {
    const Voci voci = dizionario(
        {"amor", "mar", "mora", "ramo", "roma", "arm", "rete", "erte", "ra m", "m\xE0r", "ert"});
    const uint64_t versione = voci.version();
    const RisultatoRicerca r = cerca(kTutti, "", voci);
    const std::string sep(kSeparatoreAnagrammi);
    EXPECT_EQ(r.righe, (Righe{"mora", "ramo", "roma", "amor", sep, "erte", "rete", sep}));
    EXPECT_EQ(r.stato, "4 anagrammi     >>>   6  di  10");
    EXPECT_EQ(voci.version(), versione);

    // With blanks dropped, the four-character "ra m" opens a group of short words.
    OpzioniAnagrammi frasi;
    frasi.frasi = true;
    EXPECT_EQ(cerca(kTutti, "", voci, frasi).righe,
              (Righe{"mora", "ramo", "roma", "amor", sep, "erte", "rete", sep, "mar", "arm",
                     "m\xE0r", "ra m", sep}));
}

TEST(Anagrammi, EmptyOrFailedDictionaryFindsNothing) {
    for (const Voci& voci : {Voci{}, dizionario({""})}) {
        for (int sottomodo : {kCompleti, kParziali, kContenitori})
            EXPECT_TRUE(cerca(sottomodo, "roma", voci).righe.empty());
        const RisultatoRicerca tutti = cerca(kTutti, "", voci);
        EXPECT_TRUE(tutti.righe.empty());
        EXPECT_EQ(tutti.stato, "0 anagrammi     >>>   0  di  0");
    }
}

TEST(Anagrammi, ChangesToTheDictionaryAreSeenAtOnce) {
    Voci voci = dizionario({"amor", "roma"});
    EXPECT_EQ(cerca(kCompleti, "roma", voci).righe, (Righe{"amor"}));
    voci.append("ramo");
    voci.set(0, "");
    EXPECT_EQ(cerca(kCompleti, "roma", voci).righe, (Righe{"ramo"}));
}

Voci grande(size_t n) {
    Voci v;
    const std::string_view parole[] = {"roma", "amor", "mora", "ramo", "orma", "rete", "erte"};
    const std::string_view code[] = {"", "s", "e", "a", "i", "o", "ss", "se", "es", "ae"};
    for (size_t i = 0; i < n; ++i)
        v.append(std::string(parole[i % std::size(parole)]).append(code[i / 7 % std::size(code)]));
    return v;
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

TEST(Anagrammi, AStopKeepsTheHitsFoundSoFar) {
    const Voci voci = grande(20000);
    for (int sottomodo : {kCompleti, kParziali, kContenitori}) {
        const RisultatoRicerca tutto = cerca(sottomodo, "moras", voci);
        FermaDopo poll(1);
        const RisultatoRicerca r = Anagrammi(sottomodo, "moras", {}, voci, poll);
        EXPECT_TRUE(r.interrotto);
        // The hits of the entries before the stop, as a pass in dictionary order finds them.
        ASSERT_LT(r.righe.size(), tutto.righe.size());
        EXPECT_FALSE(r.righe.empty());
        EXPECT_TRUE(std::equal(r.righe.begin(), r.righe.end(), tutto.righe.begin()));
        EXPECT_EQ(r.stato,
                  std::to_string(r.righe.size()) + tutto.stato.substr(tutto.stato.find(' ')));
    }
}

TEST(Anagrammi, AStopEndsAllGroupsAfterACompleteGroup) {
    const Voci voci = coppie(20000);
    const RisultatoRicerca tutto = cerca(kTutti, "", voci);
    bool parziale = false;
    for (int n = 0; n < 60; n += 3) {
        FermaDopo poll(n);
        const RisultatoRicerca r = Anagrammi(kTutti, "", {}, voci, poll);
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
