#include "settings/WRini.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace verbolario;
namespace fs = std::filesystem;

namespace {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::string tmpl = (fs::temp_directory_path() / "wrini-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string contenuto(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void scrivi(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class WRiniTest : public ::testing::Test {
protected:
    CartellaTemporanea dir;
    WRini ini{dir.path()};
    std::string file() const { return dir.path() + "/Verbolario.ini"; }
};

} // namespace

TEST_F(WRiniTest, MissingFileSectionOrKeyGivesTheDefault) {
    ini.setSezione("Opzioni");
    EXPECT_EQ(ini.iniPath(), file());
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
    EXPECT_FALSE(fs::exists(file())); // reading creates nothing

    scrivi(file(), "[Altro]\r\nMaxTime=5\r\n[Opzioni]\r\nMaxLen=\r\n");
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
    EXPECT_EQ(ini.LeggiINI("MaxLen", "10"), ""); // present but empty is not missing
    ini.setSezione("Nessuna");
    EXPECT_EQ(ini.LeggiINI("MaxTime", "30"), "30");
}

TEST_F(WRiniTest, NamesIgnoreCaseAndTheFileIsCreatedAsCrLf) {
    ini.setSezione("String");
    EXPECT_NE(ini.ScriviINI("A", "112"), 0);
    EXPECT_EQ(contenuto(file()), "[String]\r\nA=112\r\n");
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
    scrivi(file(), "; commento\n[Pos]\nFLeft = 10\nstrana riga\n\n[Opzioni]\nmin=4\n\n"
                   "[Sconosciuta]\nK=v\n");
    ini.setSezione("opzioni");
    EXPECT_NE(ini.ScriviINI("Min", "7"), 0);
    EXPECT_NE(ini.ScriviINI("Max", "20"), 0);
    ini.setSezione("Pos");
    EXPECT_EQ(ini.LeggiINI("fleft", ""), "10");
    EXPECT_NE(ini.ScriviINI("FTop", "3"), 0);
    EXPECT_EQ(contenuto(file()),
              "; commento\r\n[Pos]\r\nFLeft = 10\r\nstrana riga\r\nFTop=3\r\n"
              "\r\n[Opzioni]\r\nmin=7\r\nMax=20\r\n\r\n[Sconosciuta]\r\nK=v\r\n");
    ini.setSezione("Nuova");
    EXPECT_NE(ini.ScriviINI("k", "a=b"), 0);
    EXPECT_EQ(ini.LeggiINI("K", ""), "a=b");
    EXPECT_TRUE(contenuto(file()).ends_with("K=v\r\n\r\n[Nuova]\r\nk=a=b\r\n"));
}

TEST_F(WRiniTest, FirstOfDuplicatesCountsForReadsAndWrites) {
    scrivi(file(), "[S]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
    ini.setSezione("S");
    EXPECT_EQ(ini.LeggiINI("k", ""), "1");
    EXPECT_EQ(ini.LeggiINI("j", "none"), "none");
    EXPECT_NE(ini.ScriviINI("K", "9"), 0);
    EXPECT_EQ(contenuto(file()), "[S]\r\nk=9\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
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
    const std::string prima = contenuto(file());
    struct Caso {
        std::string sezione, key, value;
    };
    for (const Caso& c : {Caso{"S", "k", "a\r\nb=c"}, Caso{"S", "", "v"}, Caso{"S", "a=b", "v"},
                          Caso{"S", "[T]", "v"}, Caso{"S", ";k", "v"}, Caso{"", "k", "v"},
                          Caso{"a]b", "k", "v"}, Caso{"S\n", "k", "v"}}) {
        ini.setSezione(c.sezione);
        EXPECT_EQ(ini.ScriviINI(c.key, c.value), 0) << c.sezione << "/" << c.key;
    }
    EXPECT_EQ(contenuto(file()), prima);
}

TEST_F(WRiniTest, MissingOrUnwritableFolderFailsWithoutThrowing) {
    scrivi(dir.path() + "/file", "x");
    for (std::string path :
         {dir.path() + "/manca/Verbolario.ini", dir.path() + "/file/Verbolario.ini", dir.path()}) {
        ini.setIniPath(path);
        ini.setSezione("S");
        EXPECT_EQ(ini.ScriviINI("k", "v"), 0) << path;
        EXPECT_EQ(ini.LeggiINI("k", "d"), "d") << path;
    }
    EXPECT_FALSE(fs::exists(dir.path() + "/manca"));
    // Nothing left behind by the failed attempts.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(WRiniTest, WriteLeavesNoTemporaryAndKeepsPermissions) {
    ini.setSezione("S");
    ASSERT_NE(ini.ScriviINI("k", "1"), 0);
    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_NE(ini.ScriviINI("k", "2"), 0);
    EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(WRiniTest, SymlinkedFileStaysALink) {
    fs::create_directory(dir.path() + "/vero");
    const std::string vero = dir.path() + "/vero/v.ini";
    scrivi(vero, "[S]\r\n");
    fs::create_symlink(vero, file());
    ini.setSezione("S");
    ASSERT_NE(ini.ScriviINI("k", "1"), 0);
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(contenuto(vero), "[S]\r\nk=1\r\n");
}

TEST_F(WRiniTest, WinSelectsThePerUserFile) {
    const char* vecchio = std::getenv("XDG_CONFIG_HOME");
    std::string salvato = vecchio ? vecchio : "";
    ::setenv("XDG_CONFIG_HOME", (dir.path() + "/config").c_str(), 1);
    WRini utente(dir.path() + "/programma");
    const std::string atteso = dir.path() + "/config/Verbolario/Verbolario.ini";
    for (std::string win : {"win", "WIN", "Win"}) {
        utente.setIniPath(win);
        EXPECT_EQ(utente.iniPath(), atteso);
    }
    utente.setIniPath("altro.ini");
    EXPECT_EQ(utente.iniPath(), "altro.ini");
    utente.setIniPath("wIn");
    utente.setSezione("S");
    EXPECT_NE(utente.ScriviINI("k", "v"), 0); // its folder is made on first write
    EXPECT_EQ(contenuto(atteso), "[S]\r\nk=v\r\n");

    ::setenv("XDG_CONFIG_HOME", "relativo", 1); // not absolute: ignored
    EXPECT_TRUE(WRini::percorsoUtente().ends_with("/.config/Verbolario/Verbolario.ini"));
    if (vecchio)
        ::setenv("XDG_CONFIG_HOME", salvato.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
