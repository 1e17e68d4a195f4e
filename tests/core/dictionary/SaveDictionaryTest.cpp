#include "dictionary/SaveDictionary.h"

#include "PollDiProva.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace verbolario;
using namespace verbolario::prova;
namespace fs = std::filesystem;

namespace {

using V = std::vector<std::string>;

class SaveDictionaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        char modello[] = "/tmp/salvaXXXXXX";
        ASSERT_NE(mkdtemp(modello), nullptr);
        dir_ = modello;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string percorso(const std::string& nome) const { return (dir_ / nome).string(); }
    static std::string leggi(const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }
    static void scrivi(const std::string& p, const std::string& testo) {
        std::ofstream(p, std::ios::binary) << testo;
    }
    // Only the named files remain: no temporary left behind.
    size_t fileNellaCartella() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path dir_;
};

} // namespace

TEST_F(SaveDictionaryTest, WritesSortedDistinctTrimmedLines) {
    const std::pair<V, std::string> casi[] = {
        {{"cane", "cane", "gatto"}, "cane\r\ngatto\r\n"},
        {{" zebra", "casa", "", "alba ", "casa  "}, "alba\r\ncasa\r\nzebra\r\n"},
        {{"cane\tanimale, fedele", "\"uno\""}, "\"uno\"\r\ncane\tanimale, fedele\r\n"},
        {{""}, ""},
        {{}, ""},
    };
    NoPoll poll;
    for (const auto& [voci, file] : casi) {
        Voci v = daVettore(voci);
        const std::string p = percorso("d.dic");
        EsitoSalvataggio e = SaveDictionary(v, p, poll);
        ASSERT_TRUE(e.ok) << e.errore;
        EXPECT_EQ(leggi(p), file);
        EXPECT_EQ(fileNellaCartella(), 1u);
    }
    // The trimmed, sorted order is what stays in memory.
    Voci v = daVettore({" zebra", "casa", "", "alba "});
    ASSERT_TRUE(SaveDictionary(v, percorso("d.dic"), poll).ok);
    EXPECT_EQ(comeVettore(v), (V{"", "alba", "casa", "zebra"}));
}

TEST_F(SaveDictionaryTest, ReplacesAReadOnlyFileKeepingItsMode) {
    const std::string p = percorso("d.dic");
    scrivi(p, "vecchio\r\n");
    ASSERT_EQ(chmod(p.c_str(), 0444), 0);
    Voci v = daVettore({"nuovo"});
    NoPoll poll;
    EsitoSalvataggio e = SaveDictionary(v, p, poll);
    ASSERT_TRUE(e.ok) << e.errore;
    EXPECT_EQ(leggi(p), "nuovo\r\n");
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(SaveDictionaryTest, WritesThroughASymbolicLink) {
    const std::string vero = percorso("vero.dic"), link = percorso("link.dic");
    scrivi(vero, "vecchio\r\n");
    fs::create_symlink(vero, link);
    Voci v = daVettore({"nuovo"});
    NoPoll poll;
    ASSERT_TRUE(SaveDictionary(v, link, poll).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(leggi(vero), "nuovo\r\n");
}

TEST_F(SaveDictionaryTest, FailuresLeaveTheOldFileIntact) {
    const std::string p = percorso("d.dic");
    scrivi(p, "vecchio\r\n");
    NoPoll poll;

    Voci v = daVettore({"nuovo"});
    EsitoSalvataggio e = SaveDictionary(v, percorso("manca/d.dic"), poll);
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.interrotto);
    EXPECT_NE(e.errore.find("cartella non trovata"), std::string::npos) << e.errore;

    // A folder where the file should be.
    fs::create_directory(percorso("cartella"));
    e = SaveDictionary(v, percorso("cartella"), poll);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(fs::is_directory(percorso("cartella")));

    EXPECT_FALSE(SaveDictionary(v, "", poll).ok);

    // A stop request while writing.
    StopDopo ferma(0);
    e = SaveDictionary(v, p, ferma);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.interrotto);

    EXPECT_EQ(leggi(p), "vecchio\r\n");
    EXPECT_EQ(fileNellaCartella(), 2u); // d.dic and the folder
}

TEST_F(SaveDictionaryTest, DiskFullLeavesTheOldFileIntact) {
    // A file-size limit makes writes fail past it, as a full disk would.
    const std::string p = percorso("d.dic");
    scrivi(p, "vecchio\r\n");
    Voci v;
    for (int i = 0; i < 100000; ++i) v.append("parola" + std::to_string(i));
    rlimit prima{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
    auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit stretto = prima;
    stretto.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
    NoPoll poll;
    EsitoSalvataggio e = SaveDictionary(v, p, poll);
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, gestore);

    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.errore.empty());
    EXPECT_EQ(leggi(p), "vecchio\r\n");
    EXPECT_EQ(fileNellaCartella(), 1u);
}

TEST_F(SaveDictionaryTest, ResultListIsWrittenAsItIs) {
    const std::string p = percorso("lista.txt");
    scrivi(p, "vecchia lista\r\n");
    EsitoSalvataggio e = SalvaLista({"uno", "  due  ", "tre\tcommento"}, p);
    ASSERT_TRUE(e.ok) << e.errore;
    EXPECT_EQ(leggi(p), "uno\r\n  due  \r\ntre\tcommento\r\n");
    EXPECT_FALSE(SalvaLista({"x"}, percorso("manca/lista.txt")).ok);
}

TEST(SaveDictionary, ReplacementQuestion) {
    EXPECT_EQ(domandaSostituzione("/home/u/d.dic"),
              "Attenzione, Questa procedura eliminer\xE0 il file \r\n/home/u/d.dic\r\n"
              "per sostituirlo con l'attuale dizionario.\r\n\r\nContinuo?");
}
