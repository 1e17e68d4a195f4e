#include "cli/Esecuzione.h"

#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

class Manutenzione : public ::testing::Test {
protected:
    Esito esegui(std::vector<std::string> args) {
        args.insert(args.begin(), {"-d", dic_});
        return test::esegui(args);
    }
    CartellaTemp t_;
    const std::string dic_ =
        t_.scrivi("d.dic", dizionario({"Casa", "l'amico", "casa bella", "àncora", "ancora", "città",
                                       "  perché\tcongiunzione", "a--b"}));
};

// On stdout in UTF-8, to a file in Windows-1252 with CR LF; the dictionary read is never
// touched.
TEST_F(Manutenzione, Formatta) {
    Esito e = esegui({"formatta"});
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.out, "a\namico\nancora\nb\nbella\ncasa\ncittà\ncongiunzione\nl\nperché\nàncora\n");
    EXPECT_EQ(e.err, "Formattazione dizionario eseguita.\n"
                     "Eliminati [ 1 ] caratteri non validi\n"
                     "Eliminati [ 1 ] doppioni risultanti\n");
    e = esegui({"formatta", "-o", t_.file("nuovo.dic")});
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(e.out, "");
    EXPECT_EQ(t_.leggi("nuovo.dic"),
              dizionario({"a", "amico", "ancora", "b", "bella", "casa", "città", "congiunzione",
                          "l", "perché", "àncora"}));
    EXPECT_EQ(t_.leggi("d.dic").substr(0, 6), "Casa\r\n");
    e = esegui({"formatta", "-o", t_.file("manca/nuovo.dic")});
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("cartella non trovata."), std::string::npos) << e.err;
}

TEST_F(Manutenzione, AccentiTieneLAccentoFinaleEIlCommento) {
    Esito e = esegui({"accenti"});
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.out, "a--b\nancora\ncasa\ncasa bella\ncittà\nl'amico\nperché\tcongiunzione\n");
    EXPECT_EQ(e.err, "Eliminato accenti [ 1 ] dal dizionario in uso.\n"
                     "Eliminato doppioni [ 1 ] risultanti dal riordino.\n");
}

TEST(Analisi, QuotePerMilleESerieDiLettere) {
    CartellaTemp t;
    // Only a-z count: capitals as their letter, accented letters and the rest not at all.
    const std::string d = t.scrivi("d.dic", dizionario({"Casa", "è,;"}));
    Esito e = esegui({"-d", d, "analisi"});
    ASSERT_EQ(e.codice, 0);
    std::string atteso = "a 500\nb 0\nc 250\n";
    for (char c = 'd'; c <= 'z'; ++c) atteso += std::string(1, c) + (c == 's' ? " 250\n" : " 0\n");
    atteso += std::string(51, 'A') + "B" + std::string(26, 'C') + "DEFGHIJKLMNOPQR" +
              std::string(26, 'S') + "TUVWXYZ\n";
    EXPECT_EQ(e.out, atteso);
}

} // namespace
} // namespace verbolario::cli::test
