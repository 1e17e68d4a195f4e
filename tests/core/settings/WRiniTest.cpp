#include "settings/WRini.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;
namespace fs = std::filesystem;

namespace {

class WRiniTest : public ::testing::Test {
protected:
    CartellaTemporanea dir;
    WRini ini{dir.path()};
    std::string file() const { return dir / "Verbolario.ini"; }
};

} // namespace

TEST_F(WRiniTest, MissingFileSectionOrKeyGivesTheDefault) {
    ini.setSezione("Opzioni");
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
    EXPECT_FALSE(fs::exists(file())); // reading creates nothing

    scriviFile(file(), "[Altro]\r\nMaxTime=5\r\n[Opzioni]\r\nMaxLen=\r\n");
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
    EXPECT_EQ(ini.LeggiINI("MaxLen", "10"), ""); // present but empty is not missing
    ini.setSezione("Nessuna");
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
}

TEST_F(WRiniTest, NamesIgnoreCaseAndTheFileIsCreatedAsCrLf) {
    ini.setSezione("String");
    EXPECT_NE(ini.ScriviINI("A", "112"), 0);
    EXPECT_EQ(leggiFile(file()), "[String]\r\nA=112\r\n");
    EXPECT_EQ(ini.LeggiINI("a", ""), "112");
    ini.setSezione("STRING");
    EXPECT_EQ(ini.LeggiINI("a", ""), "112");
    // An accented name folds the way the code page does.
    ini.setSezione("Citt\xC0");
    EXPECT_NE(ini.ScriviINI("x", "1"), 0);
    ini.setSezione("citt\xE0");
    EXPECT_EQ(ini.LeggiINI("X", ""), "1");
}

TEST_F(WRiniTest, RewriteReplacesInPlaceAndKeepsForeignLines) {
    scriviFile(file(), "; commento\n[Pos]\nFLeft = 10\nstrana riga\n\n[Opzioni]\nmin=4\n\n"
                       "[Sconosciuta]\nK=v\n");
    ini.setSezione("opzioni");
    EXPECT_NE(ini.ScriviINI("Min", "7"), 0);
    EXPECT_NE(ini.ScriviINI("Max", "20"), 0);
    ini.setSezione("Pos");
    EXPECT_EQ(ini.LeggiINI("fleft", ""), "10");
    EXPECT_NE(ini.ScriviINI("FTop", "3"), 0);
    EXPECT_EQ(leggiFile(file()),
              "; commento\r\n[Pos]\r\nFLeft = 10\r\nstrana riga\r\nFTop=3\r\n"
              "\r\n[Opzioni]\r\nmin=7\r\nMax=20\r\n\r\n[Sconosciuta]\r\nK=v\r\n");
    ini.setSezione("Nuova");
    EXPECT_NE(ini.ScriviINI("k", "a=b"), 0);
    EXPECT_EQ(ini.LeggiINI("K", ""), "a=b");
    EXPECT_TRUE(leggiFile(file()).ends_with("K=v\r\n\r\n[Nuova]\r\nk=a=b\r\n"));
}

TEST_F(WRiniTest, FirstOfDuplicatesCountsForReadsAndWrites) {
    scriviFile(file(), "[S]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
    ini.setSezione("S");
    EXPECT_EQ(ini.LeggiINI("k", ""), "1");
    EXPECT_EQ(ini.LeggiINI("j", "none"), "none");
    EXPECT_NE(ini.ScriviINI("K", "9"), 0);
    EXPECT_EQ(leggiFile(file()), "[S]\r\nk=9\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
}

TEST_F(WRiniTest, LongValuesComeBackCutTo254) {
    ini.setSezione("String");
    std::string lungo(300, 'x');
    lungo[253] = 'y';
    ASSERT_NE(ini.ScriviINI("Esclude", lungo), 0);
    std::string letto = ini.LeggiINI("Esclude", "");
    EXPECT_EQ(letto.size(), 254u);
    EXPECT_EQ(letto.back(), 'y');
    // The default is the caller's own text and comes back whole.
    EXPECT_EQ(ini.LeggiINI("Manca", lungo), lungo);
}

TEST_F(WRiniTest, UnstorableWritesFailAndLeaveTheFileAlone) {
    ini.setSezione("S");
    ASSERT_NE(ini.ScriviINI("k", "v"), 0);
    const std::string prima = leggiFile(file());
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"S", "k", "a\r\nb=c"}, {"S", "", "v"}, {"S", "a=b", "v"}, {"S", "[T]", "v"},
        {"S", ";k", "v"},       {"", "k", "v"}, {"a]b", "k", "v"}, {"S\n", "k", "v"}};
    for (const auto& [sezione, key, value] : casi) {
        ini.setSezione(sezione);
        EXPECT_EQ(ini.ScriviINI(key, value), 0) << sezione << "/" << key;
    }
    EXPECT_EQ(leggiFile(file()), prima);
}

TEST_F(WRiniTest, ByteOrderMarkCountsOnlyAtTheStartOfTheFile) {
    const std::string testo = "\xEF\xBB\xBF[S]\r\nk=1\r\n\xEF\xBB\xBF[T]=2\r\nj=3\r\n";
    scriviFile(file(), testo);
    ini.setSezione("S");
    EXPECT_EQ(ini.LeggiINI("k", ""), "1");
    // Inside the file the same bytes are part of a key, not a mark before a section header.
    EXPECT_EQ(ini.LeggiINI("j", ""), "3");
    EXPECT_EQ(ini.LeggiINI("\xEF\xBB\xBF[T]", ""), "2");
    ini.setSezione("T");
    EXPECT_EQ(ini.LeggiINI("j", "manca"), "manca");
    // A name that opens with the mark would lose it when read back first in the file, so it
    // is refused.
    const std::pair<const char*, const char*> rifiutati[] = {
        {"S", "\xEF\xBB\xBF[T]"}, {"S", " \xEF\xBB\xBFk"}, {"\xEF\xBB\xBFS", "k"}};
    for (const auto& [sezione, key] : rifiutati) {
        ini.setSezione(sezione);
        EXPECT_EQ(ini.ScriviINI(key, "v"), 0) << sezione << "/" << key;
    }
    EXPECT_EQ(leggiFile(file()), testo);
    // A rewrite keeps the mark where it was and adds nothing else.
    ini.setSezione("S");
    EXPECT_NE(ini.ScriviINI("k", "4"), 0);
    EXPECT_EQ(leggiFile(file()), "\xEF\xBB\xBF[S]\r\nk=4\r\n\xEF\xBB\xBF[T]=2\r\nj=3\r\n");
}

TEST_F(WRiniTest, MissingOrUnwritableFolderFailsWithoutThrowing) {
    scriviFile(dir / "file", "x");
    for (std::string path :
         {dir / "manca/Verbolario.ini", dir / "file/Verbolario.ini", dir.path()}) {
        ini.setIniPath(path);
        ini.setSezione("S");
        EXPECT_EQ(ini.ScriviINI("k", "v"), 0) << path;
        EXPECT_EQ(ini.LeggiINI("k", "d"), "d") << path;
    }
    EXPECT_FALSE(fs::exists(dir / "manca"));
    // Nothing left behind by the failed attempts.
    EXPECT_EQ(dir.quanti(), 1u);
}

TEST_F(WRiniTest, WriteLeavesNoTemporaryKeepsPermissionsAndLinks) {
    const std::string vero = dir / "v.ini";
    scriviFile(vero, "[S]\r\n");
    fs::permissions(vero, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(vero, file());
    ini.setSezione("S");
    ASSERT_NE(ini.ScriviINI("k", "1"), 0);
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(leggiFile(vero), "[S]\r\nk=1\r\n");
    EXPECT_EQ(fs::status(vero).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(dir.quanti(), 2u);
}

TEST_F(WRiniTest, WinSelectsThePerUserFile) {
    const char* vecchio = std::getenv("XDG_CONFIG_HOME");
    std::string salvato = vecchio ? vecchio : "";
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    WRini utente(dir / "programma");
    const std::string atteso = dir / "config/Verbolario/Verbolario.ini";
    utente.setIniPath("wIn"); // any letter case
    EXPECT_EQ(utente.iniPath(), atteso);
    utente.setSezione("S");
    EXPECT_NE(utente.ScriviINI("k", "v"), 0); // its folder is made on first write
    EXPECT_EQ(leggiFile(atteso), "[S]\r\nk=v\r\n");

    ::setenv("XDG_CONFIG_HOME", "relativo", 1); // not absolute: ignored
    EXPECT_TRUE(WRini::percorsoUtente().ends_with("/.config/Verbolario/Verbolario.ini"));
    if (vecchio)
        ::setenv("XDG_CONFIG_HOME", salvato.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
