#include "cli/Esecuzione.h"

#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

struct CasoUso {
    std::vector<std::string> args;
    std::string messaggio; // part of what stderr must say
};

const CasoUso kCasi[] = {
    {{}, "verbolario-cli: nessun comando"},
    {{"cerchia", "x"}, "verbolario-cli: comando sconosciuto: cerchia"},
    {{"rime"}, "manca il testo del comando rime"},
    {{"parolando"}, "manca il testo del comando parolando"},
    {{"rime", "amore", "cuore"}, "troppi argomenti per il comando rime: cuore"},
    {{"scambi", "cane", "--vocali", "--consonanti"}, "si escludono a vicenda"},
    {{"scambi", "cane"}, "richiede --vocali oppure --consonanti"},
    {{"mnemos", "12", "--doppie", "--senza-filtro"}, "si escludono a vicenda"},
    {{"rime", "日本"}, "carattere non rappresentabile in Windows-1252: 日本"},
    {{"contenitori", "abc", "--escludi", "日"}, "non rappresentabile"},
    {{"rime", "amore", "--frasi"}, "l'opzione --frasi non vale per il comando rime"},
    {{"cruci", "p?", "--pippo"}, "opzione sconosciuta: --pippo"},
    {{"mnemos", "12", "--chiave"}, "l'opzione --chiave richiede un valore"},
    {{"formatta", "-o"}, "l'opzione -o richiede un valore"},
    {{"rime", "amore", "-d"}, "l'opzione -d richiede un valore"},
    {{"--frasi=si", "tutti"}, "opzione sconosciuta: --frasi=si"},
    // Texts the program's own controls could never hold.
    {{"lettera", "à"}, "verbolario-cli: la lettera deve essere una sola, da A a Z"},
    {{"lettera", "7"}, "la lettera deve essere una sola"},
    {{"parolando", "ram0"}, "le lettere estratte possono essere solo lettere da A a Z"},
    {{"parolando", std::string(31, 'a')}, "si possono estrarre al massimo 30 lettere"},
    {{"frase", "roma", "--parole", "6"}, "l'opzione --parole vuole un numero da 1 a 5"},
    {{"frase", "roma", "--minimo", "0"}, "l'opzione --minimo vuole un numero da 1 a 30"},
    {{"frase", "--minimo"}, "l'opzione --minimo richiede un valore"},
    {{"sciarada", "porta", "foglio"}, "troppi argomenti per il comando sciarada: foglio"},
};

// A usage error is found before any dictionary is looked for, so the missing -d file never
// turns it into a loading failure.
TEST(UsoErrato, EsceConDueEMessaggioItaliano) {
    for (const CasoUso& c : kCasi) {
        std::vector<std::string> args{"-d", "/non/esiste.dic"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Esito e = esegui(args);
        EXPECT_EQ(e.codice, 2) << c.messaggio;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_EQ(e.out, "");
    }
}

TEST(Aiuto, StampaLUsoEdEsceConZero) {
    for (const char* opzione : {"-h", "--help"}) {
        Esito e = esegui({"cruci", opzione});
        EXPECT_EQ(e.codice, 0);
        EXPECT_EQ(e.out.rfind("Uso: verbolario-cli", 0), 0u) << e.out;
        EXPECT_NE(e.out.find("parolando LETTERE [PAROLA]"), std::string::npos);
        EXPECT_EQ(e.err, "");
    }
}

// Options may come anywhere, in both spellings, and "--" lets a text start with a hyphen.
TEST(Opzioni, PosizioneEFormeEquivalenti) {
    CartellaTemp t;
    const std::string d = t.scrivi("d.dic", dizionario({"-ab", "cane", "cene", "cono"}));
    Esito prima = esegui({"--dizionario=" + d, "scambi", "--tutte", "--vocali", "cane"});
    Esito dopo = esegui({"scambi", "cane", "--vocali", "--tutte", "-d", d});
    EXPECT_EQ(prima.codice, 0);
    EXPECT_EQ(prima.out, "cene\ncono\n");
    EXPECT_EQ(dopo.out, prima.out);
    Esito trattino = esegui({"-d", d, "palindromi", "--", "-ba"});
    EXPECT_EQ(trattino.codice, 0) << trattino.err;
}

} // namespace
} // namespace verbolario::cli::test
