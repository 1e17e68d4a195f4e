#include "cli/Esecuzione.h"

#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

// One search over a small dictionary: what the list, the status and the exit code must be.
struct CasoRicerca {
    std::string nome;
    std::vector<std::string> voci;
    std::vector<std::string> args;
    std::string out;
    std::string err;
};

std::ostream& operator<<(std::ostream& os, const CasoRicerca& c) {
    return os << c.nome;
}

class Ricerca : public ::testing::TestWithParam<CasoRicerca> {};

TEST_P(Ricerca, ListaEStato) {
    const CasoRicerca& c = GetParam();
    CartellaTemp t;
    std::vector<std::string> args{"-d", t.scrivi("d.dic", dizionario(c.voci))};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Esito e = esegui(args);
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.out, c.out);
    EXPECT_EQ(e.err, c.err);
}

std::string nomeCaso(const ::testing::TestParamInfo<CasoRicerca>& info) {
    return info.param.nome;
}

const std::vector<std::string> kRime{"amore", "dolore", "colore", "cuore",  "fiore",
                                     "città", "pietà",  "metà",   "civiltà"};

INSTANTIATE_TEST_SUITE_P(
    Rime, Ricerca,
    ::testing::Values(
        CasoRicerca{
            "SenzaAccento", kRime, {"rime", "AMORE"}, "dolore\ncolore\n", "2 parole in rima.\n"},
        CasoRicerca{"AccentoFinaleInUtf8",
                    kRime,
                    {"rime", "Città"},
                    "pietà\nmetà\nciviltà\n",
                    "3 parole in rima.\n"},
        CasoRicerca{"UnaLetteraNonCerca", kRime, {"rime", "a"}, "", ""}),
    nomeCaso);

const std::vector<std::string> kPalindromi{"ala", "anna",   "osso", "roma",
                                           "àla", "a capo", "oro",  "aa"};

INSTANTIATE_TEST_SUITE_P(
    Palindromi, Ricerca,
    ::testing::Values(CasoRicerca{"Palindromi",
                                  kPalindromi,
                                  {"palindromi"},
                                  "ala\nanna\nosso\nàla\noro\n",
                                  "5 Palindromi trovate.\n"},
                      CasoRicerca{"Rovesciato",
                                  kPalindromi,
                                  {"palindromi", "amo"},
                                  "r-oma-\n",
                                  "1 parole trovate contenenti il testo rovesciato.\n"}),
    nomeCaso);

const std::vector<std::string> kScambi{"cane", "cene", "cono", "pane",
                                       "rane", "canè", "cani", "covo"};

INSTANTIATE_TEST_SUITE_P(Scambi, Ricerca,
                         ::testing::Values(CasoRicerca{"UnaVocale",
                                                       kScambi,
                                                       {"scambi", "cane", "--vocali"},
                                                       "cene\ncani\n",
                                                       "2 cambi di vocale trovati.\n"},
                                           CasoRicerca{"TutteLeVocali",
                                                       kScambi,
                                                       {"scambi", "cane", "--vocali", "--tutte"},
                                                       "cene\ncono\ncani\n",
                                                       "3 cambi di vocale trovati.\n"},
                                           CasoRicerca{"UnaConsonante",
                                                       kScambi,
                                                       {"scambi", "cane", "--consonanti"},
                                                       "pane\nrane\n",
                                                       "2 cambi di consonante trovati.\n"},
                                           CasoRicerca{"AccentoPiegato",
                                                       kScambi,
                                                       {"scambi", "rane", "--consonanti"},
                                                       "cane\npane\ncanè\n",
                                                       "3 cambi di consonante trovati.\n"},
                                           CasoRicerca{"Singolare",
                                                       kScambi,
                                                       {"scambi", "cono", "--consonanti"},
                                                       "covo\n",
                                                       "1 cambio di consonante trovato.\n"}),
                         nomeCaso);

const std::vector<std::string> kAnagrammi{"roma", "amor", "mora", "ramò", "a mor",
                                          "rom",  "cane", "nave", "vane", "ala"};

INSTANTIATE_TEST_SUITE_P(
    Anagrammi, Ricerca,
    ::testing::Values(
        CasoRicerca{"Completi",
                    kAnagrammi,
                    {"anagrammi", "ROMA"},
                    "amor\nmora\nramò\n",
                    "3 anagrammi trovati.\n"},
        CasoRicerca{"CompletiConFrasi",
                    kAnagrammi,
                    {"anagrammi", "roma", "--frasi"},
                    "amor\nmora\nramò\na mor\n",
                    "4 anagrammi trovati.\n"},
        CasoRicerca{"Tutti",
                    kAnagrammi,
                    {"tutti"},
                    "amor\nmora\nramò\nroma\n · · · · · · · · · \nvane\nnave\n"
                    " · · · · · · · · · \n",
                    "4 anagrammi     >>>   7  di  9\n"},
        CasoRicerca{"ParzialiConScarti",
                    {"ramo", "amo", "mar", "ma", "armi", "roma", "ora"},
                    {"parziali", "ramo", "--scarti"},
                    "amo\tr\nmar\to\nroma\t\nora\tm\n",
                    "4 anagrammi trovati\n"},
        CasoRicerca{"ContenitoriConScarti",
                    {"abaco", "bar", "cab", "ab", "arabo"},
                    {"contenitori", "ab", "--scarti"},
                    "abaco\taco\nbar\tr\ncab\tc\narabo\taor\n",
                    "4 contenitori trovati.\n"},
        // The letters to exclude drop entries; a digit stands for a letter of that box.
        CasoRicerca{"ContenitoriEsclusi",
                    {"abaco", "bar", "cab", "ab", "arabo"},
                    {"contenitori", "1b", "--escludi", "ac"},
                    "bar\narabo\n",
                    "2 contenitori trovati.\n"},
        CasoRicerca{
            "NienteScritto", kAnagrammi, {"parziali", ""}, "", "Scrivi qualcosa . . . . . .\n"}),
    nomeCaso);

const std::vector<std::string> kCruci{"privo",  "prova", "pieve", "parvenza",     "città",
                                      "a capo", "pv",    "provò", "nota\tappunto"};

INSTANTIATE_TEST_SUITE_P(
    Cruci, Ricerca,
    ::testing::Values(
        CasoRicerca{"Modello",
                    kCruci,
                    {"cruci", "p??v?"},
                    "pieve\nprivo\nprova\nprovò\n",
                    "4 parole trovate\n"},
        // The space bar types "?" in this box.
        CasoRicerca{"SpazioComePunto",
                    kCruci,
                    {"cruci", "P  V "},
                    "pieve\nprivo\nprova\nprovò\n",
                    "4 parole trovate\n"},
        CasoRicerca{"AccentoNelModello",
                    kCruci,
                    {"cruci", "prov\xC3\xB2"},
                    "provò\n",
                    "Una parola trovata\n"},
        CasoRicerca{"SenzaJolly", kCruci, {"cruci", "CITTA"}, "città\n", "Una parola trovata\n"},
        CasoRicerca{
            "SpazioNellaVoce", kCruci, {"cruci", "acap?"}, "a capo\n", "Una parola trovata\n"},
        CasoRicerca{
            "Commento", kCruci, {"cruci", "nota*"}, "nota\tappunto\n", "Una parola trovata\n"},
        CasoRicerca{"Vuoto", kCruci, {"cruci", ""}, "", "Scrivi qualcosa . . . . \n"}),
    nomeCaso);

const std::vector<std::string> kMnemos{"ramo", "rampo", "rame", "ramoso", "armo", "r-amo"};

INSTANTIATE_TEST_SUITE_P(
    Mnemos, Ricerca,
    ::testing::Values(
        CasoRicerca{"ChiaveEFiltro",
                    kMnemos,
                    {"mnemos", "1234", "--chiave", "ramo"},
                    "ramo\nr-amo\n",
                    "2 parole trovate\n"},
        CasoRicerca{"SenzaFiltro",
                    kMnemos,
                    {"mnemos", "1234", "--chiave", "ramo", "--senza-filtro", "--senza-ordine"},
                    "r-amo\nramo\nrampo\n",
                    "3 parole trovate\n"},
        // Without a key the box refuses digits, so nothing is left to search.
        CasoRicerca{"SenzaChiave", kMnemos, {"mnemos", "1234"}, "", "Scrivi qualcosa . . . . \n"}),
    nomeCaso);

INSTANTIATE_TEST_SUITE_P(
    Parolando, Ricerca,
    ::testing::Values(CasoRicerca{"Soluzioni",
                                  {"roma", "amo", "ma", "armi", "ramo"},
                                  {"parolando", "ramo"},
                                  "roma\namo\n",
                                  "2 parole trovate, la più lunga delle quali con 4 lettere.\n"},
                      CasoRicerca{"ParolaTrovata",
                                  {"ramò", "amo"},
                                  {"parolando", "R A M O", "AMO"},
                                  "ramo\namo\n",
                                  "2 parole trovate, la più lunga delle quali con 4 lettere.\n\n"
                                  "   Anche tu ne hai trovata una, di 3 lettere.\n"},
                      CasoRicerca{
                          "ParolaNonTrovata",
                          {"ramo"},
                          {"parolando", "ramoz", "zoma"},
                          "ramo\n",
                          "1 parole trovate, la più lunga delle quali con 4 lettere.\n\n"
                          "   Se sei certo di aver trovato una parola valida la puoi inserire nel "
                          "dizionario.\n"},
                      CasoRicerca{"UnaSolaLettera",
                                  {"ramo"},
                                  {"parolando", "r"},
                                  "",
                                  "Troppe poche lettere per eseguire una ricerca!\n"}),
    nomeCaso);

const std::vector<std::string> kSfoglia{"ca",   "cane", "casale", "casa", "cosa",
                                        "erba", "èra",  "éclair", "bene", "ecco"};

INSTANTIATE_TEST_SUITE_P(
    Sfoglia, Ricerca,
    ::testing::Values(CasoRicerca{"DueLettere",
                                  kSfoglia,
                                  {"cerca", "CAS"},
                                  "ca\ncane\ncasa\ncasale\n",
                                  "4 voci presenti.\n"},
                      CasoRicerca{"NessunaVoce",
                                  kSfoglia,
                                  {"cerca", "caz"},
                                  "ca\ncane\ncasa\ncasale\n",
                                  "Nessuna voce corrispondente al testo.\n"},
                      CasoRicerca{"TestoVuoto", kSfoglia, {"cerca", ""}, "", "0 voci presenti.\n"},
                      CasoRicerca{"Lettera",
                                  kSfoglia,
                                  {"lettera", "E"},
                                  "ecco\néclair\nèra\nerba\n",
                                  "4 voci presenti.\n"}),
    nomeCaso);

// The list lines come from standard input; the comment after a TAB is not part of a word.
TEST(Comuni, LettereComuniDallInput) {
    struct Caso {
        std::string input, out;
    };
    for (const Caso& c :
         {Caso{"cane\npane\nlana\n", "an\n"}, Caso{"città\r\nattimo\tcommento\r\n", "aitt\n"},
          Caso{"\nroma\n\n", "amor\n"}}) {
        Esito e = esegui({"comuni"}, c.input);
        EXPECT_EQ(e.codice, 0);
        EXPECT_EQ(e.out, c.out) << c.input;
        EXPECT_EQ(e.err, "Lettere comuni delle parole nella lista.\n");
    }
    Esito e = esegui({"comuni"}, "cane\n日本\n");
    EXPECT_EQ(e.codice, 2);
    EXPECT_NE(e.err.find("non rappresentabile"), std::string::npos);
}

// Texts the program's own controls could never hold.
TEST(TestiImpossibili, ErroreDUso) {
    CartellaTemp t;
    const std::string d = t.scrivi("d.dic", dizionario({"ramo"}));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"lettera", "à"},
                                               {"lettera", "ab"},
                                               {"lettera", "7"},
                                               {"parolando", "ram0"},
                                               {"parolando", "àbc"},
                                               {"parolando", std::string(31, 'a')}}) {
        std::vector<std::string> tutti{"-d", d};
        tutti.insert(tutti.end(), args.begin(), args.end());
        Esito e = esegui(tutti);
        EXPECT_EQ(e.codice, 2) << args[1];
        EXPECT_EQ(e.out, "");
        EXPECT_EQ(e.err.rfind("verbolario-cli: ", 0), 0u) << e.err;
    }
}

} // namespace
} // namespace verbolario::cli::test
