#include "dictionary/OrdinaStringhe.h"
#include "dictionary/EliminaDoppi.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

V sortedCopy(V v) {
    std::sort(v.begin(), v.end()); // std::string compares bytes as unsigned
    return v;
}

// Texts that stress the key-then-tail comparison: shared eight-byte prefixes, NUL and high
// bytes, prefixes of one another, the empty text.
V casuali(std::mt19937& rng, size_t n) {
    const std::string pezzi[] = {"precipit",           "a", "\xE0", "",
                                 std::string(1, '\0'), "Z", "zz",   "\xFF"};
    V v(n);
    for (auto& s : v)
        for (size_t k = rng() % 5; k > 0; --k) s += pezzi[rng() % std::size(pezzi)];
    return v;
}

} // namespace

TEST(OrdinaStringhe, ByteOrderOnArraysAndDictionary) {
    std::mt19937 rng(5);
    NoPoll poll;
    for (size_t n : {0, 1, 2, 17, 300, 5000}) {
        const V r = casuali(rng, n);
        V a = r;
        Voci rv = dizionario(r);
        ASSERT_TRUE(OrdinaStringhe(a, poll));
        ASSERT_TRUE(OrdinaStringhe(rv, poll));
        ASSERT_EQ(a, sortedCopy(r));
        ASSERT_EQ(elenco(rv), sortedCopy(r));
    }
}

TEST(OrdinaStringhe, StopLeavesTheOrderUntouched) {
    std::mt19937 rng(9);
    const V r = casuali(rng, 2000);
    // Every point at which the sort can hear the stop request, until it no longer asks.
    for (int dopo = 0;; ++dopo) {
        ASSERT_LT(dopo, 1000);
        V a = r;
        Voci v = dizionario(r);
        StopDopo ferma(dopo), fermaVoci(dopo);
        const bool finito = OrdinaStringhe(a, ferma);
        EXPECT_EQ(OrdinaStringhe(v, fermaVoci), finito);
        EXPECT_EQ(a, finito ? sortedCopy(r) : r);
        EXPECT_EQ(elenco(v), finito ? sortedCopy(r) : r);
        if (finito) break;
    }
}

TEST(EliminaDoppi, BlanksAllButTheLastOfEachRun) {
    const std::pair<V, std::pair<V, int64_t>> casi[] = {
        {{"", "", "a", "a", "a", "b"}, {{"", "", "", "", "a", "b"}, 2}},
        {{"cane", "cane", "gatto"}, {{"", "cane", "gatto"}, 1}},
        {{"a", "b"}, {{"a", "b"}, 0}},
        {{}, {{}, 0}},
    };
    for (const auto& [in, atteso] : casi) {
        V v = in;
        EXPECT_EQ(EliminaDoppi(v), atteso.second);
        EXPECT_EQ(v, atteso.first);
        Voci d = dizionario(in);
        EXPECT_EQ(CleanArray(d), atteso.second);
        EXPECT_EQ(elenco(d), atteso.first);
    }
}
