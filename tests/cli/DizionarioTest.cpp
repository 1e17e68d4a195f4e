#include "cli/Esecuzione.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

namespace fs = std::filesystem;

// A copy of the program in a folder of its own, so that the folder's settings file and
// dizionario.dic are the ones it finds.
class CartellaProgramma : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = t_.file("verbolario-cli");
        fs::copy_file(programma(), exe_);
    }
    Esito rime(const std::string& parola) { return esegui({"rime", parola}, {}, exe_); }

    CartellaTemp t_;
    std::string exe_;
};

TEST_F(CartellaProgramma, SenzaImpostazioniUsaDizionarioDic) {
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore", "colore"}));
    Esito e = rime("amore");
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.out, "dolore\ncolore\n");
    EXPECT_EQ(e.err, "2 parole in rima.\n");
}

TEST_F(CartellaProgramma, IlDizionarioRegistratoHaLaPrecedenza) {
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore"}));
    fs::create_directory(t_.file("altri"));
    t_.scrivi("altri/mio.dic", dizionario({"amore", "colore", "sapore"}));
    // Section and key names match in any case; a relative path is read against the
    // program's folder.
    for (const std::string& valore : {t_.file("altri/mio.dic"), std::string("altri/mio.dic")}) {
        t_.scrivi("Verbolario.ini",
                  "[Opzioni]\r\nMaxTime=30\r\n[dizionario]\r\nDIZIONARIO = " + valore + "\r\n");
        Esito e = rime("amore");
        EXPECT_EQ(e.out, "colore\nsapore\n") << valore;
    }
}

TEST_F(CartellaProgramma, RegistratoSparitoRipiegaSulPredefinito) {
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore"}));
    t_.scrivi("Verbolario.ini", "[Dizionario]\r\nDizionario=" + t_.file("via.dic") + "\r\n");
    EXPECT_EQ(rime("amore").out, "dolore\n");
}

TEST_F(CartellaProgramma, NessunDizionarioEsceConTre) {
    Esito e = rime("amore");
    EXPECT_EQ(e.codice, 3);
    EXPECT_EQ(e.out, "");
    EXPECT_EQ(e.err, "verbolario-cli: impossibile caricare il dizionario " +
                         t_.file("dizionario.dic") + ": File non trovato.\n");
}

TEST_F(CartellaProgramma, IlFileIndicatoNonVieneSostituito) {
    // -d wins over the program's own dictionary, and a failing -d is not replaced by it.
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore"}));
    Esito e = esegui({"-d", t_.file("manca.dic"), "rime", "amore"}, {}, exe_);
    EXPECT_EQ(e.codice, 3);
    EXPECT_NE(e.err.find("File non trovato."), std::string::npos);
    Esito cartella = esegui({"-d", t_.path(), "analisi"}, {}, exe_);
    EXPECT_EQ(cartella.codice, 3);
    EXPECT_NE(cartella.err.find("cartella"), std::string::npos) << cartella.err;
}

// The program as built: its folder holds the bundled dictionary.
TEST(DizionarioDelProgramma, IlDizionarioInclusoRisponde) {
    Esito e = esegui({"cruci", "p??v?"});
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_NE(e.out.find("privo\nprova\n"), std::string::npos) << e.out;
    EXPECT_EQ(e.err.back(), '\n');
}

} // namespace
} // namespace verbolario::cli::test
