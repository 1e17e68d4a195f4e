#include "dictionary/AggiungiVoce.h"
#include "dictionary/CaricaDizionario.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

TEST(AggiungiVoce, AnswerBecomesEntryOnlyWhenOneToThirtyChars) {
    const std::pair<std::string, std::optional<std::string>> casi[] = {
        {" Casa ", "casa"},
        {"\xC0NCORA", "\xE0ncora"},
        {"  a b  ", "a b"},
        {"    ", std::nullopt},
        {" " + std::string(30, 'X') + " ", std::string(30, 'x')},
        {std::string(31, 'x'), std::nullopt},
        {"\tcasa", "\tcasa"}, // only spaces are trimmed
    };
    for (const auto& [risposta, voce] : casi)
        EXPECT_EQ(NormalizzaNuovaVoce(risposta), voce) << risposta;
}

TEST(AggiungiVoce, WholeEntriesAreCompared) {
    Voci v = dizionario({"cane\tanimale", "casa", "casa"});
    EXPECT_FALSE(Assente(v, "casa"));
    EXPECT_TRUE(Assente(v, "cane"));
    EXPECT_TRUE(Assente(v, "Casa"));
    EXPECT_TRUE(Assente(Voci{}, ""));
    EXPECT_EQ(SoloTermine("casa \tnota"), "casa ");

    // Only the first equal entry is replaced; a bare term does not match its commented entry.
    EXPECT_TRUE(SostituisciVoce(v, "casa", "casetta"));
    EXPECT_FALSE(SostituisciVoce(v, "cane", ""));
    EXPECT_TRUE(SostituisciVoce(v, "casa", ""));
    AggiungiVoce(v, "gatto");
    EXPECT_EQ(elenco(v), (V{"cane\tanimale", "casetta", "", "gatto"}));

    V lista;
    AggiungiVoce(lista, "uno");
    AggiungiVoce(lista, "uno");
    EXPECT_TRUE(SostituisciVoce(lista, "uno", "due"));
    EXPECT_FALSE(SostituisciVoce(lista, "tre", "due"));
    EXPECT_EQ(lista, (V{"due", "uno"}));
}
