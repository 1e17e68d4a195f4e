#include "dictionary/AggiungiVoce.h"

#include "PollDiProva.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

using V = std::vector<std::string>;

TEST(AggiungiVoce, AnswerBecomesEntryOnlyWhenOneToThirtyChars) {
    const std::pair<std::string, std::optional<std::string>> casi[] = {
        {" Casa ", "casa"},
        {"\xC0NCORA", "\xE0ncora"},
        {"  a b  ", "a b"},
        {"", std::nullopt},
        {"    ", std::nullopt},
        {std::string(30, 'x'), std::string(30, 'x')},
        {" " + std::string(30, 'X') + " ", std::string(30, 'x')},
        {std::string(31, 'x'), std::nullopt},
        {"\tcasa", "\tcasa"}, // only spaces are trimmed
    };
    for (const auto& [risposta, voce] : casi)
        EXPECT_EQ(NormalizzaNuovaVoce(risposta), voce) << risposta;
}

TEST(AggiungiVoce, WholeEntriesAreCompared) {
    Voci v = daVettore({"cane\tanimale", "casa", "casa"});
    EXPECT_FALSE(Assente(v, "casa"));
    EXPECT_TRUE(Assente(v, "cane"));
    EXPECT_TRUE(Assente(v, "Casa"));
    EXPECT_TRUE(Assente(Voci{}, ""));

    // Only the first equal entry is replaced; a bare term does not match its commented entry.
    EXPECT_TRUE(SostituisciVoce(v, "casa", "casetta"));
    EXPECT_FALSE(SostituisciVoce(v, "cane", ""));
    EXPECT_EQ(comeVettore(v), (V{"cane\tanimale", "casetta", "casa"}));
    EXPECT_TRUE(SostituisciVoce(v, "casa", ""));
    AggiungiVoce(v, "gatto");
    EXPECT_EQ(comeVettore(v), (V{"cane\tanimale", "casetta", "", "gatto"}));

    V elenco;
    AggiungiVoce(elenco, "uno");
    AggiungiVoce(elenco, "uno");
    EXPECT_TRUE(SostituisciVoce(elenco, "uno", "due"));
    EXPECT_FALSE(SostituisciVoce(elenco, "tre", "due"));
    EXPECT_EQ(elenco, (V{"due", "uno"}));
}
