#include "settings/Impostazioni.h"
#include "settings/AdattaImpostazioni.h"
#include "settings/LeggiNumero.h"
#include "settings/LoadPerc.h"
#include "text/Cp1252.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <set>

using namespace verbolario;
using namespace verbolario::prova;
namespace fs = std::filesystem;

using Opt = std::optional<int64_t>;

TEST(LeggiNumero, NumberAndNumericText) {
    // Halves round to even; a comma is never a decimal point here.
    const Opt no;
    const std::tuple<const char*, Opt, Opt> casi[] = {
        {"  12 ", 12, 12},   {"2.5", 2, 2},
        {"3.5", 4, 4},       {"-2.5", -2, -2},
        {"-3.7", -4, -4},    {".5", 0, 0},
        {"7.", 7, 7},        {"+8", 8, 8},
        {"1e3", 1000, 1000}, {"1E+2x", 100, no},
        {"12e", 12, no},     {"abc", 0, no},
        {"", 0, no},         {"-", 0, no},
        {".", 0, no},        {"1 2", 1, no},
        {"1,5", 1, no},      {"9223372036854775807", no, no},
        {"1e400", no, no},   {"-9e18", -9000000000000000000, -9000000000000000000}};
    for (const auto& [testo, numero, numerico] : casi) {
        EXPECT_EQ(LeggiNumero(testo), numero) << testo;
        EXPECT_EQ(LeggiTestoNumerico(testo), numerico) << testo;
    }
}

TEST(Impostazioni, TableCoversEveryKeyOnceAndWriteBackNamesOnlyKnownKeys) {
    std::set<std::string> viste;
    for (const Impostazione& r : TabellaImpostazioni()) {
        std::string nome(r.sezione);
        nome.append("/").append(r.chiave);
        EXPECT_TRUE(viste.insert(nome).second);
        // A fixed numeric default must pass its own row's checks.
        const bool numerica = r.lettura == Lettura::Numero || r.lettura == Lettura::TestoNumerico;
        if (!numerica || r.predefinito != Predefinito::Fisso) continue;
        Opt d = LeggiTestoNumerico(r.fisso);
        ASSERT_TRUE(d) << r.chiave;
        EXPECT_GE(*d, r.minimo) << r.chiave;
        EXPECT_LE(*d, r.massimo) << r.chiave;
    }
    EXPECT_EQ(viste.size(), 29u);
    size_t scritte = 0;
    for (const GruppoScrittura& g : OrdineScrittura())
        for (std::string_view k : g.chiavi) {
            EXPECT_NE(TrovaImpostazione(g.sezione, k), nullptr) << k;
            ++scritte;
        }
    // Everything the main window reads but the dictionary path and the letter pool.
    EXPECT_EQ(scritte, 22u);
}

TEST(Impostazioni, ReadingRows) {
    CartellaTemporanea dir;
    WRini ini(dir.path());
    ContestoImpostazioni ctx{"/prog", 26, 19200, 14400};
    // Section, key, stored text (nullptr: not in the file), valid, number, text.
    const std::tuple<const char*, const char*, const char*, bool, int64_t, const char*> casi[] = {
        {"Opzioni", "MaxTime", nullptr, true, 30, "30"},
        {"Opzioni", "MaxTime", "45.5", true, 46, "45.5"},
        {"Opzioni", "MaxTime", "0", false, 30, "30"}, // the game cannot run in 0 seconds
        {"Opzioni", "Max", nullptr, true, 26, "26"},  // the longest entry
        {"Opzioni", "Max", "-4", false, 26, "26"},
        {"Opzioni", "Min", "garbage", true, 0, "garbage"}, // 0, then adjusted to 3
        {"Opzioni", "Scelta", "1x", false, 0, "0"},        // numeric text: not a number
        {"Opzioni", "Option", "7", true, 7, "7"},
        {"Opzioni", "Option", "12", false, 5, "5"},
        {"Opzioni", "ParColor", "16777216", false, 12582912, "12582912"},
        {"Opzioni", "ComColor", "255 rosso", true, 255, "255 rosso"},
        {"Opzioni", "Color", "-1", true, -1, "-1"},
        {"Opzioni", "Tile", "  /img/t.bmp  ", true, 0, "/img/t.bmp"},
        {"Dizionario", "Dizionario", nullptr, true, 0, "/prog/dizionario.dic"},
        {"String", "Esclude", " xy ", true, 0, "xy"}, // the store trims values
        {"String", "Stringa", "AABC", true, 0, "AABC"},
        {"String", "Stringa", "AB1", false, 0, ""},
        {"Pos", "FLeft", nullptr, true, 4800, "4800"},
        {"Pos", "FTop", nullptr, true, 3700, "3700"},
        {"Pos", "FWidth", "-100", false, 9600, "9600"},
        {"Pos", "FHeight", "1e30", false, 7000, "7000"},
        {"Enigmistica", "Relazione", nullptr, true, 0, "0"},
        {"Enigmistica", "Relazione", "9", true, 9, "9"},
        {"Enigmistica", "Relazione", "10", false, 0, "0"},
        // No place stored, or one that makes no sense: the window places itself.
        {"Enigmistica", "ELeft", nullptr, true, 0, ""},
        {"Enigmistica", "ETop", "1e30", false, 0, ""},
        {"Enigmistica", "ETop", "-300", true, -300, "-300"},
        {"Enigmistica", "EWidth", nullptr, true, 7800, "7800"},
    };
    for (const auto& [sezione, chiave, stored, valido, numero, testo] : casi) {
        std::error_code ec;
        fs::remove(ini.iniPath(), ec);
        const Impostazione* r = TrovaImpostazione(sezione, chiave);
        ASSERT_NE(r, nullptr) << chiave;
        ini.setSezione(sezione);
        if (stored) {
            ASSERT_NE(ini.ScriviINI(chiave, stored), 0);
        }
        ini.setSezione("altro");
        ValoreLetto v = LeggiImpostazione(ini, *r, ctx);
        EXPECT_EQ(ini.sezione(), sezione);
        EXPECT_EQ(v.valido, valido) << chiave << "=" << (stored ? stored : "(none)");
        if (r->lettura == Lettura::Numero || r->lettura == Lettura::TestoNumerico) {
            EXPECT_EQ(v.numero, numero) << chiave;
        }
        EXPECT_EQ(v.testo, testo) << chiave;
    }
}

TEST(Impostazioni, LengthRangeAdjustment) {
    const std::tuple<int64_t, int64_t, int64_t, Lunghezze> casi[] = {
        {10, 11, 20, {9, 11, 20}},    {1, 11, 20, {3, 11, 20}}, {3, 40, 35, {3, 30, 30}},
        {29, 30, 30, {28, 30, 30}},   {5, 50, 12, {5, 12, 12}}, {-7, 9, 20, {3, 9, 20}},
        {100, 100, 26, {24, 26, 26}},
    };
    for (const auto& [min, max, longest, atteso] : casi) {
        Lunghezze r = AdattaLunghezze(min, max, longest);
        EXPECT_EQ(std::tie(r.min, r.max, r.scala), std::tie(atteso.min, atteso.max, atteso.scala))
            << min << " " << max << " " << longest;
    }
}

TEST(Impostazioni, BackgroundFallsBackWhenTheTileIsMissing) {
    const std::tuple<int64_t, const char*, bool, int64_t> casi[] = {
        {4, "", false, 1},           {3, "", false, 3},           {3, "/manca.bmp", false, 1},
        {0, "/manca.bmp", false, 1}, {4, "/c'\xE8.bmp", true, 4}, {2, "/c'\xE8.bmp", true, 2}};
    for (const auto& [sfondo, tile, esiste, atteso] : casi)
        EXPECT_EQ(AdattaSfondo(sfondo, tile, esiste), atteso) << sfondo << tile;
}

TEST(LoadPerc, StopsAtTheFirstMissingOrBadShare) {
    CartellaTemporanea dir;
    WRini ini(dir.path());
    StatisticheLettere salvate;
    for (int i = 0; i < 26; ++i) salvate.perc[static_cast<size_t>(i)] = 10 * i;
    ASSERT_TRUE(SavePerc(ini, salvate));
    StatisticheLettere letti;
    letti.perc.fill(-1);
    EXPECT_EQ(LoadPerc(ini, letti), 26);
    EXPECT_EQ(letti.perc, salvate.perc);

    // One key changed or left out of a stored set.
    // The key, its text (nullptr leaves it out), the shares read.
    const std::tuple<char, const char*, int> casi[] = {{'M', nullptr, 12},  {'c', "x", 2},
                                                       {'a', "1001", 0},    {'B', "-1", 1},
                                                       {'d', " 30.5 ", 26}, {'z', "", 25}};
    for (const auto& [chiave, valore, quanti] : casi) {
        std::string testo = "[String]\r\n";
        for (int i = 0; i < 26; ++i) {
            std::string v = std::to_string(salvate.perc[static_cast<size_t>(i)]);
            if (cp1252::upper(static_cast<unsigned char>(chiave)) == 'A' + i) {
                if (!valore) continue;
                v = valore;
            }
            testo.append(1, char('A' + i)).append("=").append(v).append("\r\n");
        }
        scriviFile(ini.iniPath(), testo);
        letti.perc.fill(-1);
        EXPECT_EQ(LoadPerc(ini, letti), quanti) << chiave;
        for (int i = 0; i < 26; ++i)
            EXPECT_EQ(letti.perc[static_cast<size_t>(i)],
                      i < quanti ? salvate.perc[static_cast<size_t>(i)] : -1)
                << chiave << " " << i;
    }
}

TEST(LoadPerc, SaveIntoAnUnwritableFolderReportsFailure) {
    WRini ini("/proc/verbolario-non-esiste");
    StatisticheLettere s;
    EXPECT_FALSE(SavePerc(ini, s));
    EXPECT_EQ(LoadPerc(ini, s), 0);
}
