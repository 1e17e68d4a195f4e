#include "cli/Esecuzione.h"

#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

using Righe = std::vector<std::string>;

const Righe kRime{"amore", "dolore", "colore", "cuore",  "fiore",
                  "città", "pietà",  "metà",   "civiltà"};
const Righe kPalindromi{"ala", "anna", "osso", "roma", "àla", "a capo", "oro", "aa"};
const Righe kScambi{"cane", "cene", "cono", "pane", "rane", "canè", "cani", "covo"};
const Righe kAnagrammi{"roma", "amor", "mora", "ramò", "a mor",
                       "rom",  "cane", "nave", "vane", "ala"};
const Righe kContenitori{"abaco", "bar", "cab", "ab", "arabo"};
const Righe kCruci{"privo",  "prova", "pieve", "parvenza",     "città",
                   "a capo", "pv",    "provò", "nota\tappunto"};
const Righe kMnemos{"ramo", "rampo", "rame", "ramoso", "armo", "r-amo"};
const Righe kSfoglia{"ca",   "cane", "casale", "casa", "cosa",
                     "erba", "èra",  "éclair", "bene", "ecco"};
const Righe kParolando{"roma", "amo", "ma", "armi", "ramo"};
const Righe kParziali{"ramo", "amo", "mar", "ma", "armi", "roma", "ora"};
const Righe kRamo{"ramo"};
const Righe kRamoAmo{"ramò", "amo"};
const Righe kEnigmistica{"cane",  "carne\tdi manzo",
                         "pane",  "portafoglio",
                         "porta", "foglio",
                         "arpa",  "apra",
                         "ramo",  "amor",
                         "orma",  "capo",
                         "polo",  "pastore",
                         "pare",  "sto",
                         "por",   "ta",
                         "l'arpa"};

// One search over a small dictionary: the list on stdout and the status on stderr.
struct Caso {
    const Righe* voci;
    std::string args; // separated by '|'
    std::string out, err;
};

const std::string kParolandoDue = "2 parole trovate, la più lunga delle quali con 4 lettere.\n";

const Caso kCasi[] = {
    {&kRime, "rime|AMORE", "dolore\ncolore\n", "2 parole in rima.\n"},
    {&kRime, "rime|Città", "pietà\nmetà\nciviltà\n", "3 parole in rima.\n"},
    {&kRime, "rime|a", "", ""}, // one letter does not search
    {&kPalindromi, "palindromi", "ala\nanna\nosso\nàla\noro\n", "5 Palindromi trovate.\n"},
    {&kPalindromi, "palindromi|amo", "r-oma-\n",
     "1 parole trovate contenenti il testo rovesciato.\n"},
    {&kScambi, "scambi|cane|--vocali", "cene\ncani\n", "2 cambi di vocale trovati.\n"},
    {&kScambi, "scambi|cane|--vocali|--tutte", "cene\ncono\ncani\n",
     "3 cambi di vocale trovati.\n"},
    {&kScambi, "scambi|cane|--consonanti", "pane\nrane\n", "2 cambi di consonante trovati.\n"},
    {&kAnagrammi, "anagrammi|ROMA", "amor\nmora\nramò\n", "3 anagrammi trovati.\n"},
    {&kAnagrammi, "anagrammi|roma|--frasi", "amor\nmora\nramò\na mor\n", "4 anagrammi trovati.\n"},
    {&kAnagrammi, "tutti",
     "amor\nmora\nramò\nroma\n · · · · · · · · · \nvane\nnave\n · · · · · · · · · \n",
     "4 anagrammi     >>>   7  di  9\n"},
    {&kAnagrammi, "parziali|", "", "Scrivi qualcosa . . . . . .\n"},
    {&kParziali, "parziali|ramo|--scarti", "amo\tr\nmar\to\nroma\t\nora\tm\n",
     "4 anagrammi trovati\n"},
    {&kContenitori, "contenitori|ab|--scarti", "abaco\taco\nbar\tr\ncab\tc\narabo\taor\n",
     "4 contenitori trovati.\n"},
    // The letters to exclude drop entries; a digit stands for a letter of that box.
    {&kContenitori, "contenitori|1b|--escludi|ac", "bar\narabo\n",
     "2 contenitori trovati.\nLettere escluse: C\n"},
    {&kCruci, "cruci|p??v?", "pieve\nprivo\nprova\nprovò\n", "4 parole trovate\n"},
    // The space bar types "?" in this box.
    {&kCruci, "cruci|P  V ", "pieve\nprivo\nprova\nprovò\n", "4 parole trovate\n"},
    {&kCruci, "cruci|prov\xC3\xB2", "provò\n", "Una parola trovata\n"},
    {&kCruci, "cruci|", "", "Scrivi qualcosa . . . . \n"},
    {&kMnemos, "mnemos|1234|--chiave|ramo", "ramo\nr-amo\n", "2 parole trovate\n"},
    {&kMnemos, "mnemos|1234|--chiave|ramo|--senza-filtro|--senza-ordine", "r-amo\nramo\nrampo\n",
     "3 parole trovate\n"},
    // Without a key the box refuses digits, so nothing is left to search.
    {&kMnemos, "mnemos|1234", "", "Scrivi qualcosa . . . . \n"},
    {&kParolando, "parolando|ramo", "roma\namo\n", kParolandoDue},
    {&kRamoAmo, "parolando|R A M O|AMO", "ramo\namo\n",
     kParolandoDue + "\n   Anche tu ne hai trovata una, di 3 lettere.\n"},
    {&kRamo, "parolando|ramoz|zoma", "ramo\n",
     "1 parole trovate, la più lunga delle quali con 4 lettere.\n\n   Se sei certo di aver "
     "trovato una parola valida la puoi inserire nel dizionario.\n"},
    {&kRamo, "parolando|r", "", "Troppe poche lettere per eseguire una ricerca!\n"},
    {&kSfoglia, "cerca|CAS", "ca\ncane\ncasa\ncasale\n", "4 voci presenti.\n"},
    {&kSfoglia, "cerca|", "", "0 voci presenti.\n"},
    {&kSfoglia, "lettera|E", "ecco\néclair\nèra\nerba\n", "4 voci presenti.\n"},
    {&kEnigmistica, "zeppa|CANE", "carne\tdi manzo\n", "Una zeppa trovata.\n"},
    {&kEnigmistica, "cambio|cane", "pane\n", "Un cambio trovato.\n"},
    {&kEnigmistica, "spostamento|arpa", "apra\n", "Uno spostamento trovato.\n"},
    {&kEnigmistica, "sciarada|portafoglio", "porta foglio\n", "Una sciarada trovata.\n"},
    {&kEnigmistica, "sciarada|portafoglio|--tre", "por ta foglio\n", "Una sciarada trovata.\n"},
    {&kEnigmistica, "incastro|pastore", "pa(sto)re\n", "Un incastro trovato.\n"},
    {&kEnigmistica, "lucchetto|calo", "capo polo\n", "Un lucchetto trovato.\n"},
    {&kEnigmistica, "bifronte|arpa", "apra\n", "Un bifronte trovato.\n"},
    {&kEnigmistica, "bifronte", "apra arpa\n", "Una coppia bifronte trovata.\n"},
    {&kEnigmistica, "antipodo|ramo", "amor\n", "Un antipodo trovato.\n"},
    // A phrase may come as one argument or as several.
    {&kEnigmistica, "frase|ramo amor", "amor amor\namor orma\norma orma\norma ramo\nramo ramo\n",
     "5 frasi trovate.\n"},
    {&kEnigmistica, "frase|ramo|amor|--parole|1", "", "Nessuna frase trovata.\n"},
    {&kEnigmistica, "frase|portafoglio|--minimo=2", "foglio por ta\nfoglio porta\n",
     "2 frasi trovate.\n"},
};

TEST(Ricerca, ListaEStato) {
    for (const Caso& c : kCasi) {
        SCOPED_TRACE(c.args);
        CartellaTemp t;
        Righe args{"-d", t.scrivi("d.dic", dizionario(*c.voci))};
        for (size_t da = 0, a = 0; a != std::string::npos; da = a + 1)
            args.push_back(c.args.substr(da, (a = c.args.find('|', da)) - da));
        Esito e = esegui(args);
        EXPECT_EQ(e.codice, 0);
        EXPECT_EQ(e.out, c.out);
        EXPECT_EQ(e.err, c.err);
    }
}

// The list lines come from standard input; the comment after a TAB is not part of a word.
TEST(Comuni, LettereComuniDallInput) {
    for (const auto& [input, out] : std::vector<std::pair<std::string, std::string>>{
             {"cane\npane\nlana\n", "an\n"},
             {"città\r\nattimo\tcommento\r\n", "aitt\n"},
             {"\nroma\n\n", "amor\n"}}) {
        Esito e = esegui({"comuni"}, input);
        EXPECT_EQ(e.codice, 0);
        EXPECT_EQ(e.out, out) << input;
        EXPECT_EQ(e.err, "Lettere comuni delle parole nella lista.\n");
    }
    Esito e = esegui({"comuni"}, "cane\n日本\n");
    EXPECT_EQ(e.codice, 2);
    EXPECT_NE(e.err.find("non rappresentabile"), std::string::npos);
}

} // namespace
} // namespace verbolario::cli::test
