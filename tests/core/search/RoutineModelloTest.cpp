#include "search/Arrangia.h"
#include "search/Discrimina.h"
#include "search/Modello.h"
#include "search/SistemaStringa.h"
#include "text/Wildcard.h"

#include <gtest/gtest.h>

#include <random>

namespace verbolario {
namespace {

TEST(SistemaStringa, BuildsThePattern) {
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"p??v?", "", "p??v?"},    {"prv", "", "*p*r*v*"}, {"", "", "*"},
        {"12", "abc", "*a*b*"},    {"1?3", "abc", "a?c"},  {"0*", "abcdefghij", "j*"},
        {"0*", "abc", "0*"},       // beyond the key the digit stays
        {"4a", "abc", "*4*a*"},    // no wildcard: letters in order
        {"p#r", "", "*p*#*r*"},    // "#" alone does not make a pattern
        {"[ab]", "", "*[*a*b*]*"}, // nor do brackets
        {"1*", "?bc", "?*"},       // a wildcard from the key is just a letter
        {"1", "?bc", "*?*"},
    };
    for (const auto& [testo, chiave, atteso] : casi)
        EXPECT_EQ(SistemaStringa(testo, chiave), atteso) << testo;
}

TEST(Incoerente, ReducesTheKeyToTheLettersThePatternLeavesOut) {
    const std::tuple<const char*, const char*, bool, const char*> casi[] = {
        {"*a*b*", "abc", true, "c"},    {"*a*b*", "ab", true, ""}, {"*x*", "abc", false, "abc"},
        {"*A*", "a-B c", true, "bc"}, // both sides lower-cased and cut to letters
        {"*\xE0*", "a\xE0", true, "a"},
    };
    for (const auto& [modello, chiave, atteso, ridotta] : casi) {
        std::string nuova = "vecchia";
        EXPECT_EQ(Incoerente(modello, chiave, nuova), atteso) << modello;
        EXPECT_EQ(nuova, ridotta) << modello;
    }
}

TEST(Arrangia, KeepsTheSearchAlphabetOnly) {
    int64_t tolti = 5;
    EXPECT_EQ(Arrangia("l'a-capo B\t1\xE0\xBD\xE7z", tolti), "lacapo\xE0z");
    EXPECT_EQ(tolti, 5 + 8);
}

TEST(ContaConsonanti, DoublesCountOnceUnlessAsked) {
    const std::tuple<const char*, int64_t, int64_t> casi[] = {
        {"tetto", 3, 2}, {"attezza", 4, 2}, {"*t*t*", 2, 2}, {"?tt?", 2, 1},
        {"aeiou", 0, 0}, {"ttt", 3, 1},     {"TT", 0, 0},    {"a-tto", 2, 1},
    };
    for (const auto& [testo, tutte, senzaDoppie] : casi) {
        EXPECT_EQ(ContaConsonanti(testo, true), tutte) << testo;
        EXPECT_EQ(ContaConsonanti(testo, false), senzaDoppie) << testo;
    }
}

// The compiled pattern must agree with the plain matcher on every text.
TEST(Modello, AgreesWithTheWildcardMatcher) {
    const char* pezzi[] = {"a", "b", "?", "*",    "#",  "[ab]", "[!a]", "[a-c]", "[c-a]",
                           "[", "]", "-", "\xE0", "**", "1",    "[]",   "[!]"};
    const char* lettere[] = {"a", "b", "c", "1", "\xE0", "-", " ", "]", "["};
    std::mt19937 rng(11);
    for (int giro = 0; giro < 3000; ++giro) {
        std::string p;
        for (int k = static_cast<int>(rng() % 6); k > 0; --k) p += pezzi[rng() % std::size(pezzi)];
        Wildcard w(p);
        Modello m(p);
        for (int t = 0; t < 30; ++t) {
            std::string s;
            for (int k = static_cast<int>(rng() % 7); k > 0; --k)
                s += lettere[rng() % std::size(lettere)];
            ASSERT_EQ(m.combacia(s), w.matches(s)) << "'" << p << "' on '" << s << "'";
        }
    }
}

} // namespace
} // namespace verbolario
