#include "search/CercaComuni.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

TEST(CercaComuni, Lettere) {
    const std::pair<V, const char*> casi[] = {
        {{"cane", "pane", "lana"}, "an"},
        {{"roma"}, "amor"},                        // one word: its letters in code order
        {{"cane\tanimale", "acne\tpane"}, "acen"}, // comments left out
        {{"Citt\xE0", "tacca"}, "actt"},           // folded, lower-cased; doubles kept
        {{"anna", "nana"}, "aann"},
        {{"cane", "", "pane"}, "aen"},  // a blank line is no word
        {{"r-oma-", "m-aro-"}, "amor"}, // signs drop out of the sorted letters
        {{"a capo", "capo"}, "a"},      // blanks split words
        {{std::string(120, 'a'), std::string(150, 'a')}, ""}, // too long to be the shortest
        {{std::string(120, 'b') + "a", "ab", "ba"}, "ab"},
        {{}, ""},
    };
    NoPoll poll;
    for (const auto& [righe, comuni] : casi) {
        EXPECT_EQ(CercaComuni(righe, poll).righe, V{comuni});
    }
    EXPECT_EQ(LettereComuni("cane  pane"), "aen");
}

TEST(CercaComuni, StopUsaLeParoleRaccolte) {
    V righe(1500, "cane");
    righe.resize(3000, "pane");
    NoPoll tutto;
    EXPECT_EQ(CercaComuni(righe, tutto).righe, V{"aen"});
    StopDopo ferma(0);
    RisultatoRicerca r = CercaComuni(righe, ferma);
    EXPECT_TRUE(r.interrotto);
    EXPECT_EQ(r.righe, V{"acen"});
    EXPECT_EQ(r.stato, "Lettere comuni delle parole nella lista.");
}
