#include "search/Ordinamento.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

namespace verbolario {
namespace {

TEST(OrdineAlfabetico, CaseAndAccentsSortWithThePlainLetter) {
    std::vector<std::string> v = {"zebra",     "citt\xE0", "Citta", "citta",  "cittadino", "Zaino",
                                  "\xE0ncora", "ancora",   "b",     "a capo", "a-capo",    "abaco"};
    OrdinaAlfabetico(v);
    std::vector<std::string> atteso = {"a capo",    "a-capo",    "abaco", "ancora",
                                       "\xE0ncora", "b",         "Citta", "citta",
                                       "citt\xE0",  "cittadino", "Zaino", "zebra"};
    EXPECT_EQ(v, atteso);
}

TEST(OrdineAlfabetico, IsATotalOrder) {
    const std::vector<std::string> pool = {
        "a", "A", "\xE0", "\xC0", "\xE1", "ab",   "aB",   "",
        " ", "-", "a\tx", "a x",  "e",    "\xE8", "\xC8", std::string("\xE0") + "b"};
    for (const auto& a : pool)
        for (const auto& b : pool) {
            int ab = ConfrontaAlfabetico(a, b), ba = ConfrontaAlfabetico(b, a);
            EXPECT_EQ(ab, -ba) << a << " / " << b;
            EXPECT_EQ(ab == 0, a == b) << a << " / " << b;
            for (const auto& c : pool)
                if (ab < 0 && ConfrontaAlfabetico(b, c) < 0) {
                    EXPECT_LT(ConfrontaAlfabetico(a, c), 0);
                }
        }
}

// Straight insertion with the same gaps, written independently of the sort under test.
std::vector<std::string> shellDiRiferimento(std::vector<std::string> v, bool disc) {
    std::vector<size_t> gaps;
    size_t h = 0;
    while (h <= v.size()) h = 3 * h + 1;
    while (h > 1) {
        h /= 3;
        gaps.push_back(h);
    }
    for (size_t g : gaps)
        for (size_t i = g; i < v.size(); ++i)
            for (size_t j = i; j >= g; j -= g) {
                bool sposta = disc ? v[j - g].size() <= v[j].size() : v[j - g].size() > v[j].size();
                if (!sposta) break;
                std::swap(v[j - g], v[j]);
            }
    return v;
}

TEST(OrdinaArray, ByLengthWithTheShellSortTieOrder) {
    std::mt19937 rng(7);
    for (int giro = 0; giro < 200; ++giro) {
        std::vector<std::string> v(rng() % 60);
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = std::string(rng() % 6, 'a') + std::to_string(i);
        for (bool disc : {false, true}) {
            auto w = v;
            NoPoll np;
            EXPECT_TRUE(OrdinaArray(w, disc, np));
            EXPECT_EQ(w, shellDiRiferimento(v, disc));
        }
    }
}

TEST(OrdinaArray, StopLeavesAPermutation) {
    std::vector<std::string> v;
    for (int i = 0; i < 5000; ++i)
        v.push_back(std::string(static_cast<size_t>(i * 7919 % 13), 'x') + std::to_string(i));
    auto w = v;
    prova::StopDopo poll(1);
    EXPECT_FALSE(OrdinaArray(w, false, poll));
    std::sort(v.begin(), v.end());
    std::sort(w.begin(), w.end());
    EXPECT_EQ(v, w);
}

TEST(OrdinaPerLunghezza, LongestFirstOrEmpty) {
    NoPoll np;
    EXPECT_TRUE(OrdinaPerLunghezza({}, false, np).empty());
    EXPECT_EQ(OrdinaPerLunghezza({"ccc", "a", "bb"}, true, np),
              (std::vector<std::string>{"ccc", "bb", "a"}));
}

} // namespace
} // namespace verbolario
