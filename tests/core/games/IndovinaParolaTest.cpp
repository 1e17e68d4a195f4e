#include "games/IndovinaParola.h"

#include "CasualeScritto.h"
#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

using G = IndovinaParola;

// The game may not draw more numbers than the test told it.
struct CasualeSevero : CasualeScritto {
    using CasualeScritto::CasualeScritto;
    ~CasualeSevero() override { EXPECT_EQ(oltre(), 0) << "random source exhausted"; }
};
using Colore = G::Colore;

// The boxes as one text, a lower-case letter for each box that is not green: "A_E" for an
// open middle box, "AxE" for a wrong one.
std::string vista(const G& g) {
    std::string s;
    for (const G::Casella& c : g.caselle()) {
        if (c.colore == Colore::Rossa)
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(c.testo[0])));
        else
            s += c.testo;
    }
    return s;
}

// Types one character into box j, as the box hands it on.
G::Esito digita(G& g, size_t j, char c) {
    return g.T1_Change(j, std::string(1, G::T1_KeyPress(c)));
}

const std::string kFantastico =
    "Fantastico!\r\nHai indovinato la parola senza un errore e senza nemmeno un aiuto!";
const std::string kFurbastro = "Pi\xF9 che bravo per aver completato la parola senza un "
                               "errore...\r\n   dovrei dire furbastro!!!";

} // namespace

TEST(IndovinaParola, NewWordFoldsInnerAccentsKeepsTheLastAndGivesTheEnds) {
    struct Caso {
        const char* voce;
        const char* parola;
        const char* vista;
        int64_t vocali, consonanti, nonLettere;
    };
    const Caso casi[] = {
        {"ape", "APE", "A_E", 2, 1, 0},
        {"citt\xE0", "CITT\xC0", "C___\xC0", 2, 3, 0},
        {"\xE0ncora", "ANCORA", "A____A", 3, 3, 0},
        // The apostrophe is shown from the start and counts as a non-letter.
        {"l'alba", "L'ALBA", "L'___A", 2, 3, 1},
        // A comment after a TAB is part of the word; the TAB is shown.
        {"ago\tcucire", "AGO\tCUCIRE", "A__\t_____E", 5, 4, 1},
        // A non-letter at an end is given like any first or last letter.
        {"'ndrangheta", "'NDRANGHETA", "'_________A", 3, 7, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.voce);
        G g;
        g.nuovaParola(c.voce);
        EXPECT_EQ(g.parola(), c.parola);
        EXPECT_EQ(vista(g), c.vista);
        EXPECT_EQ(g.vocali(), c.vocali);
        EXPECT_EQ(g.consonanti(), c.consonanti);
        EXPECT_EQ(g.nonLettere(), c.nonLettere);
        EXPECT_EQ(g.errori() + g.aiuti() + g.inserimenti(), 0);
        EXPECT_TRUE(g.inCorso());
    }
}

TEST(IndovinaParola, WholeGamesEndInTheirVerdict) {
    // A flawless three-letter word.
    {
        G g;
        g.nuovaParola("ape");
        G::Esito e = digita(g, 1, 'p');
        EXPECT_TRUE(e.finita);
        EXPECT_TRUE(e.beep);
        EXPECT_EQ(e.messaggio, kFantastico);
        EXPECT_FALSE(g.inCorso());
    }
    // A wrong letter, then the right one in the same box: not clean.
    {
        G g;
        g.nuovaParola("casa");
        G::Esito e = digita(g, 1, 'x');
        EXPECT_EQ(vista(g), "Cx_A");
        EXPECT_EQ(e.fuoco, 2);
        EXPECT_EQ(digita(g, 1, 'a').fuoco, 2);
        e = digita(g, 2, 's');
        EXPECT_EQ(g.errori(), 1);
        EXPECT_EQ(g.inserimenti(), 3); // L - 1 - N
        EXPECT_EQ(e.messaggio, "Bravo!\r\nHai fatto 1 errore per\xF2 non hai chiesto nessun "
                               "aiuto per indovinare la parola.");
    }
    // Every hidden letter revealed by a help, nothing typed.
    {
        G g;
        CasualeSevero caso;
        g.nuovaParola("cane");
        EXPECT_FALSE(g.Command3_Click(0, caso).finita); // the one vowel, A
        G::Esito e = g.Command3_Click(1, caso);         // the one consonant, N
        EXPECT_EQ(g.aiuti(), 2);
        EXPECT_EQ(e.messaggio, kFurbastro);
    }
    // A word that begins with a non-letter, guessed without a slip, is clean.
    {
        G g;
        g.nuovaParola("'ndrangheta");
        G::Esito e;
        for (size_t j = 1; j + 1 < g.parola().size(); ++j) e = digita(g, j, g.parola()[j]);
        EXPECT_EQ(e.messaggio, kFantastico);
    }
    // l'alba: the apostrophe's box needs no typing and keeps the game clean.
    {
        G g;
        g.nuovaParola("l'alba");
        G::Esito e;
        for (size_t j : {2, 3, 4}) e = digita(g, j, "L'ALBA"[j]);
        EXPECT_EQ(e.messaggio, kFantastico);
    }
}

TEST(IndovinaParola, VerdictTable) {
    struct Caso {
        int64_t E, H, T, L, N;
        std::string messaggio;
    };
    const Caso casi[] = {
        {0, 0, 1, 3, 0, kFantastico},
        {0, 4, 4, 6, 0, kFurbastro},
        {0, 3, 3, 6, 1, kFurbastro},
        // L = 9: six helps reach floor(2L/3), five do not.
        {0, 6, 7, 9, 0,
         "Hai indovinato la parola ma..., un p\xF2 troppi aiuti non ti pare? Esattamente 6"},
        {0, 5, 7, 9, 0,
         "Bene, anche se hai chiesto 5 aiuti hai indivinato la parola senza nessun errore."},
        {0, 1, 7, 9, 0,
         "Bene, anche se hai chiesto 1 aiuto hai indivinato la parola senza nessun errore."},
        {3, 0, 6, 5, 0,
         "Bravo!\r\nHai fatto 3 errori per\xF2 non hai chiesto nessun aiuto per indovinare la "
         "parola."},
        // Non-letters are not deducted in this row.
        {1, 3, 4, 5, 0,
         "Ma guarda un p\xF2!\r\nOltre a farmi dire l'intera parola hai pure fatto 1 errore!"},
        {1, 3, 5, 6, 1, "Bene, nonostante 1 errore e 3 aiuti hai indivinato la parola!"},
        {2, 1, 6, 7, 0, "Bene, nonostante 2 errori e 1 aiuto hai indivinato la parola!"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        EXPECT_EQ(G::Verdetto(c.E, c.H, c.T, c.L, c.N), c.messaggio);
    }
}

TEST(IndovinaParola, HelpsRevealHiddenLettersOnlyAndSayWhenNoneIsLeft) {
    // Vowels of banana still hidden: boxes 1 and 3 (the last A is given). The second one.
    G g;
    CasualeSevero caso{0.6};
    g.nuovaParola("banana");
    G::Esito e = g.Command3_Click(0, caso);
    EXPECT_EQ(vista(g), "B__A_A");
    EXPECT_EQ(e.fuoco, 4);
    EXPECT_EQ(g.aiuti(), 1);
    EXPECT_EQ(g.inserimenti(), 1);
    // A wrong letter in a box does not hide it from the help.
    digita(g, 1, 'o');
    g.Command3_Click(0, caso);
    EXPECT_EQ(vista(g), "BA_A_A");

    // area: the first and last vowels are given; once the inner E shows, no vowel is left.
    G h;
    CasualeSevero nessuno;
    h.nuovaParola("area");
    digita(h, 2, 'e');
    e = h.Command3_Click(0, nessuno);
    EXPECT_TRUE(e.beep);
    EXPECT_EQ(e.messaggio, G::kNienteVocali);
    EXPECT_EQ(e.fuoco, 1);
    EXPECT_EQ(h.aiuti(), 0);
    digita(h, 1, 'x');
    h.Command3_Click(1, nessuno);
    EXPECT_EQ(vista(h), "AREA");
    // No consonant at all; a word of non-letters only is complete from the start; a finished
    // word and no word: the helps end every time.
    G aia;
    aia.nuovaParola("aia");
    EXPECT_EQ(aia.Command3_Click(1, nessuno).messaggio, G::kNienteConsonanti);
    G strana;
    strana.nuovaParola("1-2-3");
    EXPECT_FALSE(strana.inCorso());
    EXPECT_EQ(strana.Command3_Click(1, nessuno).messaggio, "");
    EXPECT_EQ(h.Command3_Click(0, nessuno).messaggio, "");
    G vuota;
    EXPECT_EQ(vuota.Command3_Click(0, nessuno).messaggio, "");
}

TEST(IndovinaParola, FocusMovesToTheNextOpenBox) {
    G g;
    g.nuovaParola("parola"); // boxes 1..4 open
    EXPECT_EQ(digita(g, 1, 'a').fuoco, 2);
    EXPECT_EQ(digita(g, 3, 'o').fuoco, 4);
    // Box 4 next is open: it comes first; after it the first open box from the left.
    EXPECT_EQ(digita(g, 4, 'l').fuoco, 2);
    // Deleting reopens a box (white again) without judging it.
    const int64_t prima = g.inserimenti();
    EXPECT_EQ(g.T1_Change(4, "").fuoco, G::kNessuno);
    EXPECT_EQ(vista(g), "PA_O_A");
    EXPECT_EQ(g.caselle()[4].colore, Colore::Bianca);
    EXPECT_EQ(g.inserimenti(), prima);
    EXPECT_EQ(g.PrimaCasellaAperta(), 2);
    // A wrong letter keeps its box first in line.
    digita(g, 2, 'z');
    EXPECT_EQ(g.PrimaCasellaAperta(), 2);
    // Everything right after box 3 but box 4: the search stops at the last inner box.
    G h;
    h.nuovaParola("tetto");
    digita(h, 1, 'e');
    digita(h, 2, 't');
    EXPECT_EQ(digita(h, 3, 'x').fuoco, 3);
}

TEST(IndovinaParola, KeysAndClicksOnTheBoxes) {
    G g;
    g.nuovaParola("parola"); // U = 5
    using T = G::Tasto;
    struct Caso {
        size_t box;
        T tasto;
        std::optional<int> fuoco;
    };
    const Caso casi[] = {
        {1, T::Destra, 2}, {3, T::Destra, 4},         {4, T::Destra, G::kNessuno},
        {0, T::Destra, 1}, {2, T::Sinistra, 1},       {1, T::Sinistra, G::kNessuno},
        {0, T::Canc, 1},   {5, T::Canc, G::kNessuno}, {3, T::Canc, std::nullopt},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << "box " << c.box << " key " << int(c.tasto));
        EXPECT_EQ(g.T1_KeyDown(c.box, c.tasto), c.fuoco);
    }
    // Space walks round the inner boxes wherever it is pressed, and keeps its place across
    // games.
    std::vector<int> giro;
    for (int i = 0; i < 6; ++i) giro.push_back(*g.T1_KeyDown(3, T::Spazio));
    EXPECT_EQ(giro, (std::vector<int>{2, 3, 4, 1, 2, 3}));
    g.nuovaParola("casa");
    EXPECT_EQ(g.T1_KeyDown(1, T::Spazio), 1); // the old place is past this word's end
    EXPECT_EQ(g.T1_KeyDown(1, T::Spazio), 2);

    EXPECT_EQ(g.T1_MouseDown(0), 1);
    EXPECT_EQ(g.T1_MouseDown(3), 2);
    EXPECT_EQ(g.T1_MouseDown(2), G::kNessuno);
    digita(g, 1, 'a');
    digita(g, 2, 's');
    EXPECT_EQ(g.T1_MouseDown(2), G::kAltrove);

    EXPECT_EQ(G::T1_KeyPress('q'), 'Q');
    EXPECT_EQ(G::T1_KeyPress('\xE8'), '\xE8');
    EXPECT_EQ(G::testoConteggio(5), "  5");
    EXPECT_EQ(G::testoConteggio(12), "12");
}

TEST(IndovinaParola, ComparingShownAndHiddenLetters) {
    struct Caso {
        const char* parola;
        const char* mostrato;
        bool vocali, consonanti;
    };
    const Caso casi[] = {
        {"CASA", "C__A", true, true},      {"CASA", "CA_A", false, true},
        {"CASA", "C_SA", true, false},     {"AREA", "A_EA", false, true},
        {"CASA", "cAsA", false, false}, // consonants compare in lower case, vowels do not
        {"AB", "__", false, false},        {"L'ALBA", "L'___A", true, true},
        {"C\xC0SA", "C_SA", false, false}, // an accented capital is not a plain vowel
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.parola) + " / " + c.mostrato);
        EXPECT_EQ(GetCompareVocali(c.parola, c.mostrato), c.vocali);
        EXPECT_EQ(GetCompareConsonanti(c.parola, c.mostrato), c.consonanti);
    }
}

TEST(IndovinaParola, DrawingPicksAmongTheFittingEntriesAndEndsOnEveryDictionary) {
    const Voci v = dizionario({"re", "ape", "casa", "mare", "sedia", "tavolo", "ago\tcucire"});
    struct Caso {
        int64_t min, max;
        double r;
        std::optional<size_t> indice;
    };
    const Caso casi[] = {
        {3, 5, 0.0, 1},
        {3, 5, 0.5, 3},
        {3, 5, 0.99, 4},
        {6, 6, 0.3, 5},
        {10, 10, 0.0, 6}, // the TAB and the comment count in the length
        {11, 30, 0.0, std::nullopt},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " r " << c.r);
        CasualeSevero caso{c.r};
        EXPECT_EQ(EstraiVoce(v, c.min, c.max, caso), c.indice);
    }
    // One or two entries, none fitting, or none at all: an answer, never an endless draw.
    CasualeSevero caso;
    EXPECT_EQ(EstraiVoce(dizionario({"casa"}), 3, 5, caso), 0u);
    EXPECT_EQ(EstraiVoce(dizionario({"casa", "re"}), 3, 5, caso), 0u);
    EXPECT_EQ(EstraiVoce(dizionario({"re"}), 3, 5, caso), std::nullopt);
    EXPECT_EQ(EstraiVoce(Voci{}, 3, 5, caso), std::nullopt);
}
