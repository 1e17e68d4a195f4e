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
    void SetUp() override { fs::copy_file(programma(), exe_); }
    Esito esegui(const std::vector<std::string>& args) { return test::esegui(args, {}, exe_); }

    CartellaTemp t_;
    std::string exe_ = t_.file("verbolario-cli");
};

// Section and key names match in any case; a relative path is read against the program's
// folder; a registered file that is gone falls back to dizionario.dic.
TEST_F(CartellaProgramma, QualeDizionario) {
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore", "colore"}));
    EXPECT_EQ(esegui({"rime", "amore"}).out, "dolore\ncolore\n");
    fs::create_directory(t_.file("altri"));
    t_.scrivi("altri/mio.dic", dizionario({"amore", "valore", "sapore"}));
    for (const auto& [valore, out] : std::vector<std::pair<std::string, std::string>>{
             {t_.file("altri/mio.dic"), "valore\nsapore\n"},
             {"altri/mio.dic", "valore\nsapore\n"},
             {t_.file("via.dic"), "dolore\ncolore\n"}}) {
        t_.scrivi("Verbolario.ini",
                  "[Opzioni]\r\nMaxTime=30\r\n[dizionario]\r\nDIZIONARIO = " + valore + "\r\n");
        EXPECT_EQ(esegui({"rime", "amore"}).out, out) << valore;
    }
}

TEST_F(CartellaProgramma, NessunDizionarioEsceConTre) {
    Esito e = esegui({"rime", "amore"});
    EXPECT_EQ(e.codice, 3);
    EXPECT_EQ(e.out, "");
    EXPECT_EQ(e.err, "verbolario-cli: impossibile caricare il dizionario " +
                         t_.file("dizionario.dic") + ": File non trovato.\n");
    // -d wins over the program's own dictionary, and a failing -d is not replaced by it.
    t_.scrivi("dizionario.dic", dizionario({"amore", "dolore"}));
    e = esegui({"-d", t_.file("manca.dic"), "rime", "amore"});
    EXPECT_EQ(e.codice, 3);
    EXPECT_NE(e.err.find("File non trovato."), std::string::npos);
    e = esegui({"-d", t_.path(), "analisi"});
    EXPECT_EQ(e.codice, 3);
    EXPECT_NE(e.err.find("cartella"), std::string::npos) << e.err;
}

// The program as built: its folder holds the bundled dictionary.
TEST(DizionarioDelProgramma, IlDizionarioInclusoRisponde) {
    Esito e = esegui({"cruci", "p??v?"});
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_NE(e.out.find("privo\nprova\n"), std::string::npos) << e.out;
}

} // namespace
} // namespace verbolario::cli::test
