// The timed game's rules: the letters button, the clock tick by tick, the answer and the alarm.

#include "games/CompletaParole.h"

#include <gtest/gtest.h>

#include <vector>

namespace verbolario {
namespace {

using S = CompletaParole::Suono;

Sfida sfida(std::string parte) {
    Sfida s;
    s.parte = std::move(parte);
    return s;
}

TEST(CompletaParole, IlPulsanteDelleLettereGiraSuTreQuattroDue) {
    CompletaParole g;
    EXPECT_EQ(g.lettere(), 2);
    std::vector<int> visti;
    for (int i = 0; i < 7; ++i) visti.push_back(g.cambiaLettere());
    EXPECT_EQ(visti, (std::vector<int>{3, 4, 2, 3, 4, 2, 3}));
    EXPECT_EQ(g.lettere(), 3);
}

// The last six ticks of a 10-second round: second 5 beeps at the ordinary pace, seconds 4
// to 1 and the end at the alarm's pace with its own sounds.
TEST(CompletaParole, OrologioNegliUltimiSecondi) {
    struct Caso {
        const char* nome;
        bool allarme, suono;
        int intervallo;
        S avviso, fine;
    };
    const Caso casi[] = {
        {"allarme e suono", true, true, 700, S::DueBeep, S::BeepFinali},
        // Without sound the alarm cannot be heard hurrying: the clock keeps its pace.
        {"allarme senza suono", true, false, 1000, S::DueBeep, S::BeepFinali},
        {"allarme spento", false, true, 1000, S::Beep, S::Beep},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CompletaParole g;
        if (!c.allarme) g.commutaAllarme();
        g.inizia(sfida("ca"), 10);
        EXPECT_TRUE(g.inCorso());
        for (int s = 9; s >= 0; --s) {
            const auto b = g.scatto(c.suono);
            EXPECT_EQ(b.secondi, s);
            EXPECT_EQ(b.intervallo, s >= 5 ? 1000 : c.intervallo) << s;
            EXPECT_EQ(b.suono, s > 4 ? S::Beep : s > 0 ? c.avviso : c.fine) << s;
            EXPECT_EQ(b.scaduto, s == 0);
        }
        EXPECT_FALSE(g.inCorso());
        // The clock that outlived the round changes nothing.
        const auto dopo = g.scatto(c.suono);
        EXPECT_EQ(dopo.secondi, 0);
        EXPECT_EQ(dopo.suono, S::Nessuno);
        EXPECT_FALSE(dopo.scaduto);
        EXPECT_EQ(g.messaggioScaduto(), "Tempo scaduto!\r\nLe lettere mancanti erano < CA >");
    }
}

TEST(CompletaParole, AllarmeSpentoAMetaRallentaDiNuovo) {
    CompletaParole g;
    g.inizia(sfida("ca"), 10);
    for (int i = 0; i < 7; ++i) g.scatto(true);
    EXPECT_EQ(g.intervallo(), 700);
    // While a round runs the switch itself is silent: the ticks make the noise.
    EXPECT_EQ(g.commutaAllarme(), S::Nessuno);
    const auto b = g.scatto(true);
    EXPECT_EQ(b.intervallo, 1000);
    EXPECT_EQ(b.suono, S::Beep);
    // A new round starts at the ordinary pace.
    g.commutaAllarme();
    g.inizia(sfida("ca"), 10);
    EXPECT_EQ(g.intervallo(), 1000);
}

TEST(CompletaParole, CommutareLAllarmeFuoriGioco) {
    CompletaParole g;
    EXPECT_TRUE(g.allarmeAttivo());
    EXPECT_EQ(g.commutaAllarme(), S::Beep);
    EXPECT_FALSE(g.allarmeAttivo());
    EXPECT_EQ(g.commutaAllarme(), S::DueBeep);
    EXPECT_TRUE(g.allarmeAttivo());
}

TEST(CompletaParole, Risposte) {
    struct Caso {
        const char* parte;
        const char* scritto;
        CompletaParole::Risposta attesa;
    };
    using R = CompletaParole::Risposta;
    const Caso casi[] = {
        {"ca", "C", R::Ignorata}, // fewer than K letters: nothing yet
        {"ca", "CO", R::Sbagliata},       {"ca", "CA", R::Esatta},   {"ca", "ca", R::Esatta},
        {"t\xE0", "TA", R::Esatta},       // the accent need not be typed...
        {"t\xE0", "T\xC0", R::Esatta},    // ...but typing it is right too
        {"t\xE0", "T\xC8", R::Sbagliata}, // another vowel is not
        {"tta", "TT\xC0", R::Esatta},     {"r e", "R E", R::Esatta}, // a part across a blank
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.scritto);
        CompletaParole g;
        g.inizia(sfida(c.parte), 30);
        EXPECT_EQ(g.rispondi(c.scritto), c.attesa);
        EXPECT_EQ(g.inCorso(), c.attesa != R::Esatta);
    }
}

TEST(CompletaParole, VittoriaFermaLOrologioEContaISecondi) {
    CompletaParole g;
    EXPECT_EQ(g.rispondi("CA"), CompletaParole::Risposta::Ignorata); // no round yet
    EXPECT_EQ(g.parteMaiuscola(), "");
    g.inizia(sfida("t\xE0"), 30);
    for (int i = 0; i < 7; ++i) g.scatto(true);
    EXPECT_EQ(g.secondiDaMostrare(30), 23);
    EXPECT_EQ(g.rispondi("TA"), CompletaParole::Risposta::Esatta);
    EXPECT_EQ(g.rispondi("TA"), CompletaParole::Risposta::Ignorata);
    EXPECT_EQ(g.scatto(true).suono, S::Nessuno);
    EXPECT_EQ(g.secondiDaMostrare(30), 30);
    // The message names the part with its accent.
    EXPECT_EQ(g.messaggioEsatto(), "Esatto!\r\nLe lettere mancanti erano proprio... T\xC0"
                                   "\r\nHai indovinato in 7 secondi.");
}

TEST(CompletaParole, ArrendersiFermaMaLaParteResta) {
    CompletaParole g;
    g.inizia(sfida("ca"), 30);
    g.scatto(true);
    g.azzera();
    EXPECT_FALSE(g.inCorso());
    EXPECT_EQ(g.scatto(true).suono, S::Nessuno);
    EXPECT_EQ(g.rispondi("CA"), CompletaParole::Risposta::Ignorata);
    EXPECT_EQ(g.parteMaiuscola(), "CA");
}

TEST(Sfida, SoloLaPrimaVolteDellaParteVieneNascosta) {
    EXPECT_EQ(testoNascosto("banana", "an"), "B++ANA");
    EXPECT_EQ(testoNascosto("citt\xE0", "t\xE0"), "CIT++");
    EXPECT_EQ(testoNascosto("casa\tnota", "sa"), "CA++\tNOTA");
    Sfida s;
    s.parte = "ana";
    s.voci = {"banana", "ananas", "canapa", "panama"};
    EXPECT_EQ(s.nascosta(0), "B+++NA");
    EXPECT_EQ(s.nascosta(1), "+++NAS");
    EXPECT_EQ(s.svelata(0), "BANANA");
}

} // namespace
} // namespace verbolario
