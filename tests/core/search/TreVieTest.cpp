// Every search gives the same answer three ways: from its index, from one plain pass over the
// dictionary in memory, and from one pass over the file read as it goes. The files come both
// clean (lines taken where they lie) and not (the full field rules from some line on), and
// long enough that reading crosses many buffers.

#include "dictionary/AnalisiLetterale.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/FlussoDizionario.h"
#include "search/Anagrammi.h"
#include "search/CercaPalindromi.h"
#include "search/CercaScambi.h"
#include "search/Relazioni.h"
#include "search/RicercaModello.h"
#include "search/Sfoglia.h"
#include "search/SoluzioneParolando.h"
#include "search/TrovaRima.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <unistd.h>

namespace verbolario {
namespace {

using namespace prova;

// A search over the store in memory and over any source of entries.
struct Ricerca {
    std::string nome;
    std::function<RisultatoRicerca(const Voci&)> suVoci;
    std::function<RisultatoRicerca(FonteVoci&)> suFonte;
};

// f(entries, poll) runs the search; it is called without a stop request.
template <class F> Ricerca ricerca(std::string nome, F f) {
    return {std::move(nome),
            [f](const Voci& v) {
                NoPoll p;
                return f(v, p);
            },
            [f](FonteVoci& s) {
                NoPoll p;
                return f(s, p);
            }};
}

std::vector<Ricerca> ricerche() {
    std::vector<Ricerca> r;
    for (const char* t : {"amore", "canto", "citt\xE0", "ca"})
        r.push_back(ricerca(std::string("rime ") + t,
                            [t](auto& v, Poll& p) { return TrovaRima(t, v, p); }));
    for (const char* t : {"", "amo", "a", "oro"})
        r.push_back(ricerca(std::string("palindromi ") + t,
                            [t](auto& v, Poll& p) { return CercaPalindromi(t, v, p); }));
    for (int tipo : {0, 1})
        for (bool tutte : {false, true})
            r.push_back(ricerca("scambi", [tipo, tutte](auto& v, Poll& p) {
                return CercaScambi(tipo, "cane", tutte, v, p);
            }));
    for (const char* t : {"ca", "c", "", "\xE8r"})
        r.push_back(ricerca(std::string("sfoglia ") + t,
                            [t](auto& v, Poll& p) { return SfogliaTesto(t, v, p); }));
    for (char k : {'a', 'e', 'c'})
        r.push_back(ricerca(std::string("lettera ") + k,
                            [k](auto& v, Poll& p) { return SfogliaLettera(k, v, p); }));
    for (const char* t : {"C?S?", "CA*", "*RE", "PRV", "A CA", "C\xC0*", "*", "[!C]A*"})
        for (bool mnemos : {false, true})
            r.push_back(ricerca(std::string("modello ") + t, [t, mnemos](auto& v, Poll& p) {
                OpzioniModello o;
                o.mnemos = mnemos;
                o.chiave = mnemos ? "CRT" : "";
                o.filtro = o.ordine = mnemos;
                return RicercaModello(mnemos ? "1*2" : t, o, v, p);
            }));
    for (int sottomodo : {kCompleti, kParziali, kContenitori})
        for (bool frasi : {false, true})
            for (const char* t : {"roma", "carota", "ac"})
                r.push_back(ricerca("anagrammi", [=](auto& v, Poll& p) {
                    return Anagrammi(sottomodo, t, {frasi, true, "z"}, v, p);
                }));
    for (const char* scritta : {"", "arco"})
        r.push_back(ricerca("parolando", [scritta](auto& v, Poll& p) {
            return SoluzioneParolando("C A R O T A ", scritta, v, p);
        }));
    const std::tuple<Relazione, const char*, bool> relazioni[] = {
        {Relazione::Zeppa, "cae", false},         {Relazione::Zeppa, "cne", false},
        {Relazione::Scarto, "canne", false},      {Relazione::Cambio, "cane", false},
        {Relazione::Cambio, "c\xE0se", false},    {Relazione::Spostamento, "arpa", false},
        {Relazione::Antipodo, "amor", false},     {Relazione::Bifronte, "arpa", false},
        {Relazione::Bifronte, "", false},         {Relazione::Sciarada, "portafoglio", false},
        {Relazione::Sciarada, "canecane", false}, {Relazione::Sciarada, "oroalaoro", true},
        {Relazione::Incastro, "caramone", false}, {Relazione::Lucchetto, "calo", false},
        {Relazione::Lucchetto, "canto", false},   {Relazione::Frase, "ramo amor", false},
        {Relazione::Frase, "roma", false},
    };
    for (const auto& [rel, t, tre] : relazioni)
        r.push_back(ricerca(std::string(TabellaRelazioni()[size_t(rel)].comando) + " " + t,
                            [rel, t, tre](auto& v, Poll& p) {
                                OpzioniRelazione o;
                                o.tre = tre;
                                return CercaRelazione(rel, t, o, v, p);
                            }));
    return r;
}

void uguali(const RisultatoRicerca& a, const RisultatoRicerca& b, const std::string& come) {
    EXPECT_EQ(a.righe, b.righe) << come;
    EXPECT_EQ(std::tie(a.eseguita, a.stato, a.messaggio, a.beep, a.interrotto, a.selezionato),
              std::tie(b.eseguita, b.stato, b.messaggio, b.beep, b.interrotto, b.selezionato))
        << come;
}

// Lines of words that make rhymes, anagrams, palindromes, exchanges and word play; some with a
// blank, a hyphen, an accent or a comment. With sporche, now and then something for the field
// rules: a comma, quotes, capitals, blanks at an end.
std::string file(std::mt19937& rng, size_t righe, bool sporche, bool segni = true) {
    static const char* const kParole[] = {
        "amore",     "dolore", "cane",     "cene",      "pane",       "roma",  "ramo",  "mora",
        "carota",    "aorta",  "citt\xE0", "perch\xE9", "oro",        "ala",   "anna",  "a capo",
        "pre-visto", "canto",  "manto",    "cuore",     "casa\tnota", "privo", "prova", "c\xE0sa",
        "arpa",      "apra",   "capo",     "polo",      "porta",      "foglio"};
    static const char* const kSporche[] = {"Cane", "\"uno, due\"", " casa", "oro ",
                                           "a,b",  "\xC0ncora",    "x\ry",  ""};
    std::string t;
    for (size_t i = 0; i < righe; ++i) {
        if (sporche && rng() % 500 == 0)
            t += kSporche[rng() % std::size(kSporche)];
        else if (std::string p = kParole[rng() % std::size(kParole)];
                 segni || p.find_first_of(" -") == std::string::npos)
            t += p + std::to_string(rng() % 3 ? 0 : rng() % 50).substr(0, rng() % 2);
        t += rng() % 2 ? "\r\n" : "\n";
    }
    return t;
}

TEST(TreVie, IndexPlainPassAndFileReadAsItGoesAgree) {
    CartellaTemporanea dir;
    std::mt19937 rng(17);
    const std::vector<Ricerca> tutte = ricerche();
    // Small and clean, a long clean one (many reading buffers), one without blanks or hyphens
    // (the phrase setting then shares the anagram index), and not clean from early on or only
    // near the end.
    const std::tuple<size_t, bool, bool> casi[] = {{40, false, true},
                                                   {60000, false, true},
                                                   {5000, false, false},
                                                   {3000, true, true},
                                                   {60000, true, true}};
    for (const auto& [righe, sporche, segni] : casi) {
        std::string testo = file(rng, righe, sporche, segni);
        if (sporche && righe > 10000) testo += "Fine,Fine\r\n";
        const std::string percorso = dir / "d.dic";
        scriviFile(percorso, testo);
        Voci voci;
        NoPoll np;
        ASSERT_TRUE(CaricaDizionario(percorso, voci, np).ok);
        EXPECT_TRUE(segni || voci.senzaSegni());
        const Voci indicizzate = conIndici(voci);
        for (const Ricerca& r : tutte) {
            const std::string come = r.nome + " / " + std::to_string(righe) + (sporche ? "!" : "");
            const RisultatoRicerca piana = r.suVoci(voci);
            uguali(r.suVoci(indicizzate), piana, come + " / indice");
            FlussoDizionario f(percorso);
            ASSERT_TRUE(f.apri());
            uguali(r.suFonte(f), piana, come + " / file");
            EXPECT_TRUE(f.errore().empty());
        }
        // The letter statistics read as it goes are those of the loaded entries.
        StatisticheLettere inMemoria, letta;
        ASSERT_TRUE(AnalisiLetterale(voci, inMemoria, np));
        FlussoDizionario f(percorso);
        ASSERT_TRUE(f.apri() && AnalisiLetterale(f, letta, np));
        EXPECT_TRUE(inMemoria.perc == letta.perc &&
                    inMemoria.stringaLettere == letta.stringaLettere);
    }
}

// Edits reach every search at once, whether its index was built before them or on the way
// by an earlier search: each answers as on a store made afresh from the edited entries.
TEST(TreVie, EditsShowAtOnce) {
    std::mt19937 rng(23);
    NoPoll np;
    Voci voci;
    ASSERT_TRUE(caricaDaTesto(file(rng, 400, false), voci, np).ok);
    voci = conIndici(voci);
    const std::vector<Ricerca> tutte = ricerche();
    for (int giro = 0; giro < 2; ++giro) {
        voci.append("ramo");
        voci.append("c\xE0sa");
        voci.set(0, "orma");
        voci.set(5, "");
        voci.set(7, voci[9]); // a text from the store itself
        voci.set(11, "manto");
        const Voci fresca = dizionario(elenco(voci));
        for (const Ricerca& r : tutte)
            uguali(r.suVoci(voci), r.suVoci(fresca), r.nome + " / " + std::to_string(giro));
    }
}

TEST(TreVie, FileReadAsItGoesGivesTheLoadersEntries) {
    CartellaTemporanea dir;
    const std::string percorso = dir / "d.dic";
    const auto entrate = [&percorso](std::string testo) {
        scriviFile(percorso, testo);
        Voci caricate;
        NoPoll np;
        EXPECT_TRUE(CaricaDizionario(percorso, caricate, np).ok);
        FlussoDizionario f(percorso);
        EXPECT_TRUE(f.apri());
        V lette;
        size_t attesa = 0;
        f.scorri([&](const Lotto& l) {
            EXPECT_EQ(l.primo, attesa);
            for (size_t k = 0; k < l.n; ++k) lette.emplace_back(l[k]);
            attesa += l.n;
            return true;
        });
        EXPECT_EQ(lette, elenco(caricate)) << testo.substr(0, 40);
    };
    entrate("");
    entrate("\r\n");
    entrate("uno\r\ndue");
    entrate("uno,due\r\n");
    // A line longer than the reading buffer, then one the field rules take.
    entrate(std::string(600000, 'x') + "\r\nciao\r\n" + std::string(300000, 'y') + " , z");

    // Missing files and folders are reported as the loader reports them.
    for (const std::string& p : {dir / "manca.dic", dir.path()}) {
        FlussoDizionario f(p);
        Voci v;
        NoPoll np;
        EXPECT_FALSE(f.apri());
        EXPECT_EQ(f.errore(), CaricaDizionario(p, v, np).errore);
    }
}

// A file another program cuts short or rewrites while it is in use: the store holds the
// entries it read (its own copy), and the file read as it goes sees what is there.
TEST(TreVie, AFileChangedUnderfootChangesNothingAlreadyRead) {
    CartellaTemporanea dir;
    const std::string percorso = dir / "d.dic";
    std::string testo;
    for (int i = 0; i < 200000; ++i) testo += "parola" + std::to_string(i) + "\r\n";
    scriviFile(percorso, testo);
    Voci voci;
    NoPoll np;
    ASSERT_TRUE(CaricaDizionario(percorso, voci, np).ok);
    const Voci indicizzate = conIndici(voci);
    ::truncate(percorso.c_str(), 10);
    EXPECT_EQ(voci.size(), 200000u);
    EXPECT_EQ(voci[199999], "parola199999");
    EXPECT_EQ(RicercaModello("PAROLA19999?", {}, indicizzate, np).righe.size(), 10u);
    EXPECT_EQ(CercaPalindromi("alo", voci, np).righe.size(), 200000u);

    // Cut short between opening and reading: the entries still there.
    scriviFile(percorso, testo);
    FlussoDizionario f(percorso);
    ASSERT_TRUE(f.apri());
    ::truncate(percorso.c_str(), 20);
    V lette;
    f.scorri([&](const Lotto& l) {
        for (size_t k = 0; k < l.n; ++k) lette.emplace_back(l[k]);
        return true;
    });
    EXPECT_EQ(lette, (V{"parola0", "parola1", "pa"}));
}

} // namespace
} // namespace verbolario
