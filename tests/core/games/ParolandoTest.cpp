#include "games/Parolando.h"

#include "CasualeScritto.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>

namespace verbolario {
namespace {

using prova::CasualeScritto;

// The pool of a dictionary that is all "casa": many A's, C's and S's, every letter once.
std::string poolCasa() {
    std::string p(51, 'A');
    p += "B" + std::string(26, 'C') + "DEFGHIJKLMNOPQR" + std::string(26, 'S') + "TUVWXYZ";
    return p;
}

std::string lettere(const Parolando& g) {
    std::string out;
    for (size_t i = 0; i < g.lettereEstratte().size(); i += 2) out += g.lettereEstratte()[i];
    return out;
}

TEST(Parolando, RandomDrawsAreEvenOverTheFivePlainVowelsAndTheConsonants) {
    struct Caso {
        TipoLettera tipo;
        double r;
        char attesa;
    };
    const Caso casi[] = {
        {TipoLettera::Vocale, 0.199, 'A'},
        {TipoLettera::Vocale, 0.9999, 'U'},
        {TipoLettera::Consonante, 2.0 / 21, 'D'},
        {TipoLettera::Consonante, 0.9999, 'Z'},
    };
    for (const Caso& c : casi) {
        Parolando g;
        auto r = CasualeScritto::daCapo({c.r});
        EXPECT_EQ(g.estrai(c.tipo, poolCasa(), r).lettera, c.attesa) << c.r;
    }
}

TEST(Parolando, TheFirstDrawStartsAGameAndEachDrawIsCounted) {
    Parolando g;
    auto r = CasualeScritto::daCapo({0.0, 0.5, 0.3});
    EsitoEstrazione e = g.estrai(TipoLettera::Vocale, "", r);
    EXPECT_TRUE(e.nuovaPartita);
    EXPECT_FALSE(e.limite);
    EXPECT_EQ(g.lettereEstratte(), "A ");
    EXPECT_EQ(e.messaggio, "1 Vocali e 0 Consonanti");

    e = g.estrai(TipoLettera::Consonante, "", r);
    EXPECT_FALSE(e.nuovaPartita);
    EXPECT_EQ(g.lettereEstratte(), "A N ");
    e = g.estrai(TipoLettera::Vocale, "", r);
    EXPECT_EQ(e.messaggio, "2 Vocali e 1 Consonanti");

    // The solution search ends the round; the counts start over with the next draw.
    g.concludi();
    EXPECT_FALSE(g.inCorso());
    e = g.estrai(TipoLettera::Consonante, "", r);
    EXPECT_TRUE(e.nuovaPartita);
    EXPECT_EQ(e.messaggio, "0 Vocali e 1 Consonanti");
    g.nuovaPartita();
    EXPECT_TRUE(g.lettereEstratte().empty());
    EXPECT_EQ(g.numVocali() + g.numConsonanti(), 0);
}

TEST(Parolando, TheThirtyFirstLetterIsRefused) {
    Parolando g;
    auto r = CasualeScritto::daCapo({0.1, 0.7, 0.4});
    for (int i = 0; i < kMassimoLettere; ++i)
        EXPECT_FALSE(g.estrai(i % 3 ? TipoLettera::Consonante : TipoLettera::Vocale, "", r).limite);
    EXPECT_EQ(g.lettereEstratte().size(), 60u);
    const EsitoEstrazione e = g.estrai(TipoLettera::Vocale, "", r);
    EXPECT_TRUE(e.limite);
    EXPECT_EQ(e.lettera, 0);
    EXPECT_EQ(e.messaggio, kLimiteLettere);
    EXPECT_EQ(g.lettereEstratte().size(), 60u);
    EXPECT_EQ(g.numVocali(), 10);
    EXPECT_EQ(g.numConsonanti(), 20);
}

TEST(Parolando, DistributiveDrawsFollowThePoolAndNeverRepeatAPickEvenAcrossGames) {
    // Vowels of "AEAEB" other than the previous pick: A E A E at first, then only the other.
    Parolando g;
    g.setDistributiva(true);
    auto zero = CasualeScritto::daCapo({0.0});
    EXPECT_EQ(g.estrai(TipoLettera::Vocale, "AEAEB", zero).lettera, 'A');
    EXPECT_EQ(g.estrai(TipoLettera::Vocale, "AEAEB", zero).lettera, 'E');
    EXPECT_EQ(g.estrai(TipoLettera::Consonante, "AEAEB", zero).lettera, 'B');
    EXPECT_EQ(g.ultimaVocale(), 'E');

    // Frequent letters come more often; no letter follows itself, whatever the games.
    Parolando h;
    h.setDistributiva(true);
    auto giro = CasualeScritto::daCapo({0.03, 0.51, 0.97, 0.26, 0.74, 0.12, 0.88, 0.45, 0.0, 0.63});
    std::multiset<char> viste;
    char prima = 0;
    for (int partita = 0; partita < 40; ++partita) {
        for (int i = 0; i < 5; ++i) {
            const char c = h.estrai(TipoLettera::Vocale, poolCasa(), giro).lettera;
            EXPECT_NE(c, prima);
            viste.insert(prima = c);
        }
        partita % 2 ? h.concludi() : h.nuovaPartita();
    }
    EXPECT_GT(viste.count('A'), viste.count('E') + viste.count('I'));
}

TEST(Parolando, ADistributiveDrawAlwaysEndsWhateverThePool) {
    struct Caso {
        const char* nome;
        std::string pool;
        TipoLettera tipo;
        char prima; // drawn once before, 0 for none
        std::string ammesse;
    };
    const Caso casi[] = {
        {"empty pool", "", TipoLettera::Vocale, 0, "AEIOU"},
        {"empty pool after a pick", "", TipoLettera::Consonante, 'B', "CDFGHJKLMNPQRSTVWXYZ"},
        {"no vowel in the pool", "BCDFG", TipoLettera::Vocale, 0, "AEIOU"},
        {"no consonant in the pool", "AEIOU", TipoLettera::Consonante, 0, "BCDFGHJKLMNPQRSTVWXYZ"},
        {"the only vowel was the previous pick", "AAAABBB", TipoLettera::Vocale, 'A', "EIOU"},
        {"the only consonant was the previous pick", "ZAZ", TipoLettera::Consonante, 'Z',
         "BCDFGHJKLMNPQRSTVWXY"},
        {"damaged pool", "\xC0\xC8 12,;\t\xE9", TipoLettera::Vocale, 0, "AEIOU"},
        {"lower-case pool", "ee", TipoLettera::Vocale, 0, "E"},
    };
    for (const Caso& c : casi) {
        for (double r : {0.0, 0.5, 0.9999}) {
            Parolando g;
            g.setDistributiva(true);
            auto fisso = CasualeScritto::daCapo({r});
            if (c.prima) {
                // The previous pick, drawn from a pool that holds only it.
                ASSERT_EQ(g.estrai(c.tipo, std::string(1, c.prima), fisso).lettera, c.prima);
            }
            const char l = g.estrai(c.tipo, c.pool, fisso).lettera;
            EXPECT_NE(c.ammesse.find(l), std::string::npos) << c.nome << " gave " << l;
        }
    }
}

TEST(Parolando, TheTypedWordIsCheckedAgainstTheDrawnLetters) {
    struct Caso {
        const char* estratte;
        std::string scritta;
        int inizio, lunghezza;
        std::string messaggio;
        int beep;
    };
    const std::string nonEstratta(kLetteraNonEstratta);
    const Caso casi[] = {
        {"ATES", "tea", -1, 0, "", 0},
        {"ATES", "", -1, 0, "", 0},
        {"ATES", "teat", 3, 1, "Hai usato tutte le [ T ] estratte", 1},
        {"ATES", "tex", 2, 1, nonEstratta, 1},
        {"ATE", "ee", 1, 1, "Hai usato tutte le [ E ] estratte", 1},
        {"ATE", "x", 0, 1, nonEstratta, 1},
        {"ATE", "xy", 0, 2, nonEstratta, 2},
        {"ATE", "Ate", 0, 1, "Hai usato tutte le [ A ] estratte", 1},
        {"ATE", "\xE0", 0, 1, nonEstratta, 1},
        // A blank is never a drawn letter, though blanks separate the letters shown.
        {"ATE", "a e", 1, 1, nonEstratta, 1},
        {"ATE", "atet", 3, 100, std::string(kParolaTroppoLunga), 1},
    };
    for (const Caso& c : casi) {
        Parolando g;
        // Draw the letters wanted, in order, through the distributive way's pool.
        g.setDistributiva(true);
        auto zero = CasualeScritto::daCapo({0.0});
        for (const char* p = c.estratte; *p; ++p) {
            const bool vocale = std::string_view("AEIOU").find(*p) != std::string_view::npos;
            g.estrai(vocale ? TipoLettera::Vocale : TipoLettera::Consonante, std::string(1, *p),
                     zero);
        }
        ASSERT_EQ(lettere(g), c.estratte);
        const EsitoControllo e = g.controlla(c.scritta);
        EXPECT_FALSE(e.svuota);
        EXPECT_EQ(e.inizio, c.inizio) << c.scritta;
        EXPECT_EQ(e.lunghezza, c.lunghezza) << c.scritta;
        EXPECT_EQ(e.messaggio, c.messaggio) << c.scritta;
        EXPECT_EQ(e.beep, c.beep) << c.scritta;
    }
    EXPECT_TRUE(Parolando().controlla("a").svuota);
}

} // namespace
} // namespace verbolario
