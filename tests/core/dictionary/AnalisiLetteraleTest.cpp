#include "dictionary/AnalisiLetterale.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

StatisticheLettere analizza(std::string_view testo) {
    StatisticheLettere s;
    NoPoll poll;
    EXPECT_TRUE(AnalisiLetterale(testo, s, poll));
    return s;
}

size_t volte(const StatisticheLettere& s, char c) {
    return static_cast<size_t>(std::count(s.stringaLettere.begin(), s.stringaLettere.end(), c));
}

} // namespace

TEST(AnalisiLetterale, SharesAndPoolOfAText) {
    StatisticheLettere s = analizza("Casa");
    std::array<int32_t, 26> atteso{};
    atteso['a' - 'a'] = 500;
    atteso['c' - 'a'] = atteso['s' - 'a'] = 250;
    EXPECT_EQ(s.perc, atteso);
    // Every other capital once, in alphabetical order.
    EXPECT_EQ(s.stringaLettere, std::string(51, 'A') + "B" + std::string(26, 'C') +
                                    "DEFGHIJKLMNOPQR" + std::string(26, 'S') + "TUVWXYZ");

    // Shares are truncated; accented letters and other characters are not letters.
    s = analizza("aab \xE0\xE8\xC0 12!");
    EXPECT_EQ(s.perc[0], 666);
    EXPECT_EQ(s.perc[1], 333);

    // No letter at all: every share 0, each capital once.
    s = analizza("123 \xE0!");
    EXPECT_EQ(s.perc, (std::array<int32_t, 26>{}));
    EXPECT_EQ(s.stringaLettere, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(AnalisiLetterale, PoolRoundsHalfToEven) {
    const std::pair<int64_t, size_t> casi[] = {
        {115, 12}, {125, 14}, {105, 12}, {95, 10}, {85, 10}, {0, 1}, {4, 1}, {5, 2}, {1000, 101}};
    for (auto [perMille, n] : casi) {
        std::array<int64_t, 26> conteggi{};
        conteggi[0] = perMille;
        conteggi[25] = 1000 - perMille;
        EXPECT_EQ(volte(statisticheDaConteggi(conteggi), 'A'), n) << perMille;
    }
}

TEST(AnalisiLetterale, EmptyArgumentOrStopLeavesStatisticsAlone) {
    StatisticheLettere s = analizza("zzz");
    const StatisticheLettere prima = s;
    NoPoll poll;
    EXPECT_TRUE(AnalisiLetterale("", s, poll));
    StopDopo ferma(0), fermaVoci(0);
    EXPECT_FALSE(AnalisiLetterale("casa", s, ferma));
    EXPECT_FALSE(AnalisiLetterale(dizionario({"casa"}), s, fermaVoci));
    EXPECT_EQ(s.perc, prima.perc);
    EXPECT_EQ(s.stringaLettere, prima.stringaLettere);
}

TEST(AnalisiLetterale, ReadsTheFileAnArgumentNames) {
    CartellaTemporanea dir;
    // Larger than one read block, so the count spans blocks.
    scriviFile(dir / "t.txt", std::string(3'000'000, 'b') + std::string(1'000'000, 'E') + "\xE0");
    StatisticheLettere s = analizza(dir / "t.txt");
    EXPECT_EQ(s.perc[1], 750);
    EXPECT_EQ(s.perc[4], 250);

    // A folder is not a file: its name is analysed as text.
    s = analizza("/tmp");
    EXPECT_EQ(s.perc['t' - 'a'], 333);
}

TEST(AnalisiLetterale, DictionaryEqualsItsJoinedText) {
    std::mt19937 rng(3);
    const std::string alfabeto = "aAbzZ \t'\xE0\xC8"
                                 "9";
    NoPoll poll;
    for (int t = 0; t < 200; ++t) {
        Voci v;
        std::string unito;
        for (size_t i = 0, n = rng() % 6; i < n; ++i) {
            std::string e(rng() % 5, ' ');
            for (char& c : e) c = alfabeto[rng() % alfabeto.size()];
            v.append(e);
            unito += e + "  ";
        }
        StatisticheLettere daVoci, daTesto = statisticheDaConteggi({});
        ASSERT_TRUE(AnalisiLetterale(v, daVoci, poll));
        if (!unito.empty()) {
            ASSERT_TRUE(AnalisiLetterale(unito, daTesto, poll));
        }
        ASSERT_EQ(daVoci.perc, daTesto.perc);
        ASSERT_EQ(daVoci.stringaLettere, daTesto.stringaLettere);
    }
}
