#include "dictionary/EraseAccent.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

TEST(EraseAccent, FoldsKeepsFinalAccentAndBlanksRepeats) {
    const std::tuple<V, V, int64_t, int64_t> casi[] = {
        {{"citt\xE0", "citta"}, {"citta", "citt\xE0"}, 0, 0},
        {{"\xE0ncora", "ancora"}, {"", "ancora"}, 1, 1},
        {{"perch\xE9", "zona", "\xE8"}, {"perch\xE9", "zona", "\xE8"}, 0, 0},
        // The accent picked last is the final one, so it stays.
        {{"\xE0\xE8\xEC\xF2\xF9"}, {"aeio\xF9"}, 4, 0},
        // The comment is free text and keeps its accents; the term is folded as a word.
        {{"citt\xE0\tla citt\xE0 eterna", "\xE0ncora\tper\xF2"},
         {"ancora\tper\xF2", "citt\xE0\tla citt\xE0 eterna"},
         1,
         0},
        {{"PERCH\xC9"}, {"PERCH\xC9"}, 0, 0},
    };
    NoPoll poll;
    for (const auto& [voci, dopo, vocali, doppioni] : casi) {
        Voci v = dizionario(voci);
        EsitoEraseAccent e = EraseAccent(v, poll);
        EXPECT_FALSE(e.interrotto);
        EXPECT_EQ(elenco(v), dopo) << voci[0];
        EXPECT_EQ(std::tie(e.vocali, e.doppioni), std::tie(vocali, doppioni)) << voci[0];
        EXPECT_EQ(e.modificato(), vocali > 0 || doppioni > 0);
    }
}

TEST(EraseAccent, ReportAndStop) {
    EXPECT_EQ(rapportoEraseAccent({false, 12, 1}),
              "Eliminato accenti [ 12 ] dal dizionario in uso.\r\n"
              "Eliminato doppioni [ 1 ] risultanti dal riordino.");

    for (int dopo : {0, 1}) {
        Voci v = dizionario({"\xE0ncora", "ancora"});
        StopDopo ferma(dopo);
        EsitoEraseAccent e = EraseAccent(v, ferma);
        EXPECT_TRUE(e.interrotto);
        EXPECT_FALSE(e.modificato());
        EXPECT_EQ(elenco(v), (V{"\xE0ncora", "ancora"}));
    }
}
