#include "dictionary/SaveDictionary.h"

#include "dictionary/CaricaDizionario.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace verbolario;
using namespace verbolario::prova;
namespace fs = std::filesystem;

TEST(SaveDictionary, WritesSortedDistinctTrimmedLines) {
    const std::pair<V, std::string> casi[] = {
        {{"cane", "cane", "gatto"}, "cane\r\ngatto\r\n"},
        {{" zebra", "casa", "", "alba ", "casa  "}, "alba\r\ncasa\r\nzebra\r\n"},
        {{"cane\tanimale, fedele", "\"uno\""}, "\"uno\"\r\n\"cane\tanimale, fedele\"\r\n"},
        {{""}, ""},
        {{}, ""},
    };
    CartellaTemporanea dir;
    NoPoll poll;
    for (const auto& [lista, file] : casi) {
        Voci v = dizionario(lista);
        EsitoSalvataggio e = SaveDictionary(v, dir / "d.dic", poll);
        ASSERT_TRUE(e.ok) << e.errore;
        EXPECT_EQ(leggiFile(dir / "d.dic"), file);
        EXPECT_EQ(dir.quanti(), 1u);
    }
    // The trimmed, sorted order is what stays in memory.
    Voci v = dizionario({" zebra", "casa", "", "alba "});
    ASSERT_TRUE(SaveDictionary(v, dir / "d.dic", poll).ok);
    EXPECT_EQ(elenco(v), (V{"", "alba", "casa", "zebra"}));
}

// An entry holding a comma (quoted in the file it came from, or typed by the user) must not
// come back as two entries after a save.
TEST(SaveDictionary, EntriesWithACommaReadBackWhole) {
    CartellaTemporanea dir;
    NoPoll poll;
    const std::string p = dir / "d.dic";
    scriviFile(p, "casa\r\n\"roma, citt\xE0 eterna\"\r\n");
    Voci v;
    ASSERT_TRUE(CaricaDizionario(p, v, poll).ok);
    v.append("cane\tanimale, fedele");
    ASSERT_TRUE(SaveDictionary(v, p, poll).ok);
    Voci letto;
    ASSERT_TRUE(CaricaDizionario(p, letto, poll).ok);
    EXPECT_EQ(elenco(letto), (V{"cane\tanimale, fedele", "casa", "roma, citt\xE0 eterna"}));
}

TEST(SaveDictionary, ReplacesAReadOnlyFileKeepingItsModeAndWritesThroughALink) {
    CartellaTemporanea dir;
    const std::string p = dir / "d.dic", link = dir / "link.dic";
    scriviFile(p, "vecchio\r\n");
    ASSERT_EQ(chmod(p.c_str(), 0444), 0);
    fs::create_symlink(p, link);
    Voci v = dizionario({"nuovo"});
    NoPoll poll;
    EsitoSalvataggio e = SaveDictionary(v, link, poll);
    ASSERT_TRUE(e.ok) << e.errore;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(leggiFile(p), "nuovo\r\n");
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST(SaveDictionary, FailuresLeaveTheOldFileIntact) {
    CartellaTemporanea dir;
    const std::string p = dir / "d.dic";
    scriviFile(p, "vecchio\r\n");
    NoPoll poll;

    Voci v = dizionario({"nuovo"});
    EsitoSalvataggio e = SaveDictionary(v, dir / "manca/d.dic", poll);
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.interrotto);
    EXPECT_NE(e.errore.find("cartella non trovata"), std::string::npos) << e.errore;

    // A folder where the file should be.
    fs::create_directory(dir / "cartella");
    EXPECT_FALSE(SaveDictionary(v, dir / "cartella", poll).ok);
    EXPECT_TRUE(fs::is_directory(dir / "cartella"));
    EXPECT_FALSE(SaveDictionary(v, "", poll).ok);

    StopDopo ferma(0);
    e = SaveDictionary(v, p, ferma);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.interrotto);

    EXPECT_EQ(leggiFile(p), "vecchio\r\n");
    EXPECT_EQ(dir.quanti(), 2u); // d.dic and the folder
}

TEST(SaveDictionary, DiskFullLeavesTheOldFileIntact) {
    // A file-size limit makes writes fail past it, as a full disk would.
    CartellaTemporanea dir;
    const std::string p = dir / "d.dic";
    scriviFile(p, "vecchio\r\n");
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
    EXPECT_EQ(leggiFile(p), "vecchio\r\n");
    EXPECT_EQ(dir.quanti(), 1u);
}

TEST(SaveDictionary, ResultListIsWrittenAsItIs) {
    CartellaTemporanea dir;
    scriviFile(dir / "lista.txt", "vecchia lista\r\n");
    EsitoSalvataggio e = SalvaLista({"uno", "  due  ", "tre\tcommento"}, dir / "lista.txt");
    ASSERT_TRUE(e.ok) << e.errore;
    EXPECT_EQ(leggiFile(dir / "lista.txt"), "uno\r\n  due  \r\ntre\tcommento\r\n");
    EXPECT_FALSE(SalvaLista({"x"}, dir / "manca/lista.txt").ok);
    EXPECT_EQ(domandaSostituzione("/home/u/d.dic"),
              "Attenzione, Questa procedura eliminer\xE0 il file \r\n/home/u/d.dic\r\n"
              "per sostituirlo con l'attuale dizionario.\r\n\r\nContinuo?");
}
