#include "games/IntervalloLunghezze.h"

#include "core/Prova.h"
#include "games/RigaCaselle.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

using I = IntervalloLunghezze;

} // namespace

TEST(IntervalloLunghezze, BandsTooltipsAndLabels) {
    const I r{5, 9, 12};
    using B = I::Banda;
    EXPECT_EQ(r.bande(), (std::vector<B>{{0, 2, I::kGiallo},
                                         {2, 12, I::kVerde},
                                         {9, 12, I::kRosso},
                                         {2, 3, I::kBlu},
                                         {8, 9, I::kBlu}}));
    const std::pair<int64_t, std::string_view> punte[] = {
        {0, "Minimo"}, {2, "Minimo"}, {3, "Intervallo"}, {8, "Intervallo"}, {9, "Massimo"}};
    for (auto [x, testo] : punte) EXPECT_EQ(r.suggerimento(x), testo) << x;
    EXPECT_EQ(I::etichetta(3), " 3");
    EXPECT_EQ(I::etichetta(10), "10");
    // Pixels to units: 30 units over 150 pixels, ties to even.
    EXPECT_EQ(I::unita(0, 150, 30), 0);
    EXPECT_EQ(I::unita(12, 150, 30), 2);   // 2.4
    EXPECT_EQ(I::unita(12.5, 150, 30), 2); // 2.5
    EXPECT_EQ(I::unita(17.5, 150, 30), 4); // 3.5
    EXPECT_EQ(I::unita(149, 150, 30), 30);
    EXPECT_EQ(I::unita(10, 0, 30), 0);
}

TEST(IntervalloLunghezze, MarkersFollowThePointerWithinTheirLimits) {
    struct Caso {
        const char* nome;
        I prima;
        std::vector<int64_t> percorso;
        int64_t min, max;
    };
    const Caso casi[] = {
        // Dragged to the far left, the lower marker stops at 3.
        {"min a sinistra", {6, 12, 20}, {3, 2, 1, 0, -1}, 3, 12},
        {"min a destra", {3, 12, 20}, {1, 2, 3, 4, 5, 6}, 8, 12},
        // The lower marker keeps two lengths below the upper one.
        {"min contro max", {3, 8, 20}, {1, 2, 3, 4, 5, 6, 7}, 6, 8},
        {"max a destra", {3, 10, 20}, {10, 11, 12, 13, 25}, 3, 13},
        // The upper marker stops at the scale and at min + 2.
        {"max alla scala", {3, 18, 20}, {18, 19, 20, 21}, 3, 20},
        {"max a sinistra", {5, 10, 20}, {9, 8, 7, 6, 5}, 5, 7},
        // A pointer far from both markers moves nothing.
        {"lontano", {5, 15, 20}, {10, 0, 20}, 5, 15},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        I r = c.prima;
        for (int64_t x : c.percorso) r.trascina(x);
        EXPECT_EQ(r.min, c.min);
        EXPECT_EQ(r.max, c.max);
        EXPECT_EQ(r.scala, c.prima.scala);
    }
    I r{5, 10, 20};
    EXPECT_FALSE(r.trascina(3)); // on the marker: it stays
    EXPECT_TRUE(r.trascina(4));
}

TEST(IntervalloLunghezze, RangeCountsFollowTheDictionary) {
    Voci v = dizionario({"re", "ape", "casa", "mare", "sedia", "ago\tcucire", ""});
    EXPECT_EQ(GetRange(v, 3, 5), 4);
    EXPECT_EQ(GetRange(v, 4, 4), 2);
    EXPECT_EQ(GetRange(v, 10, 30), 1);
    EXPECT_EQ(GetRange(v, 11, 30), 0);
    EXPECT_EQ(GetRange(v, 6, 5), 0);
    EXPECT_EQ(GetRange(v, 0, 1000), 7);
    v.append("cane");
    v.set(0, "remo");
    EXPECT_EQ(GetRange(v, 4, 4), 4);
    EXPECT_EQ(GetRange(Voci{}, 3, 30), 0);
    EXPECT_EQ(MessaggioIntervallo(4), "4 parole rientrano nell'ntervallo.");
}

TEST(RigaCaselle, RowIsCentredTouchingAndClearOfTheModeColumn) {
    struct Caso {
        int64_t lunghezza;
        int larghezza, altezza;
    };
    const Caso casi[] = {{3, 640, 467},  {5, 640, 467},   {14, 640, 467}, {30, 640, 467},
                         {5, 1280, 934}, {30, 1280, 934}, {30, 320, 233}, {17, 913, 500}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.lunghezza << " in " << c.larghezza);
        const RigaCaselle r = RigaCaselle::disponi(c.lunghezza, c.larghezza, c.altezza);
        ASSERT_EQ(r.caselle.size(), static_cast<size_t>(c.lunghezza));
        const double h = c.larghezza / 640.0;
        const int sinistra = r.caselle.front().x;
        const int destra = r.caselle.back().x + r.caselle.back().larghezza;
        EXPECT_NEAR(sinistra + destra, c.larghezza, 2); // centred
        EXPECT_GE(sinistra, 152 * h - 1);               // clear of the mode column
        for (size_t j = 1; j < r.caselle.size(); ++j) {
            EXPECT_EQ(r.caselle[j].x, r.caselle[j - 1].x + r.caselle[j - 1].larghezza);
            EXPECT_EQ(r.caselle[j].y, r.caselle[0].y);
            EXPECT_NEAR(r.caselle[j].larghezza, r.caselle[0].larghezza, 1);
        }
        EXPECT_LE(r.caselle[0].larghezza, 24 * h + 1);
        EXPECT_GE(r.caselle[0].altezza, 0.6 * 30 * c.altezza / 467.0 - 1);
        EXPECT_LE(r.pixelCarattere, r.caselle[0].altezza);
    }
    // At the design size a short word has the full 24 x 30 boxes, centred exactly.
    const RigaCaselle r = RigaCaselle::disponi(5, 640, 467);
    EXPECT_EQ(r.caselle.front(), (RigaCaselle::Riquadro{260, 200, 24, 30}));
    EXPECT_TRUE(RigaCaselle::disponi(0, 640, 467).caselle.empty());
}
