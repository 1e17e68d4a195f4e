// The word-play relations on a small dictionary, from the word orders and from the plain
// pass taken before they exist: the puzzle makers' examples, accents that count only when
// typed, comments after a TAB, entries that are not words, empty results, stop requests.

#include "search/Ordinamento.h"
#include "search/Relazioni.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <array>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

// Two entries carry a comment after a TAB.
const std::string kCarne = "carne\tdi manzo", kSto = "sto\tverbo stare";
const V kDizionario = {"cane",    "cagne", "canne", kCarne, "cade",        "pane",   "cene",
                       "c\xE0ne", "carro", "caro",  "cara", "portafoglio", "porta",  "foglio",
                       "por",     "ta",    "arpa",  "apra", "rapa",        "para",   "\xE0rpa",
                       "ramo",    "amor",  "orma",  "capo", "polo",        "calo",   "cap\xF2",
                       "pastore", "pare",  kSto,    "anna", "citt\xE0",    "l'arpa", "a capo",
                       "ca-ne",   "can3",  "CARTA"};

struct Caso {
    Relazione relazione;
    const char* testo;
    V righe;
    const char* stato;
};

const Caso kCasi[] = {
    // Zeppa: a TAB comment stays with its entry; typed capitals and accents.
    {Relazione::Zeppa, "cane", {"cagne", "canne", "carne\tdi manzo"}, "3 zeppe trovate."},
    {Relazione::Zeppa, "CAN", {"cane", "c\xE0ne"}, "2 zeppe trovate."},
    {Relazione::Zeppa, "c\xE0n", {"c\xE0ne"}, "Una zeppa trovata."},
    {Relazione::Zeppa, "xyz", {}, "Nessuna zeppa trovata."},
    // Scarto
    {Relazione::Scarto, "carro", {"caro"}, "Uno scarto trovato."},
    {Relazione::Scarto, "carne", {"cane", "c\xE0ne"}, "2 scarti trovati."},
    {Relazione::Scarto, "a", {}, "Nessuno scarto trovato."},
    // Cambio: any letter at one place; the word and its accented twin are not changes.
    {Relazione::Cambio, "cane", {"cade", "cene", "pane"}, "3 cambi trovati."},
    {Relazione::Cambio, "c\xE0ne", {"cane", "cene"}, "2 cambi trovati."},
    // Spostamento
    {Relazione::Spostamento, "arpa", {"apra", "para", "rapa"}, "3 spostamenti trovati."},
    {Relazione::Spostamento, "\xE0rpa", {}, "Nessuno spostamento trovato."},
    // Sciarada: parts as the dictionary writes them.
    {Relazione::Sciarada, "portafoglio", {"porta foglio"}, "Una sciarada trovata."},
    {Relazione::Sciarada, "capopolo", {"capo polo", "cap\xF2 polo"}, "2 sciarade trovate."},
    {Relazione::Sciarada, "can", {}, "Nessuna sciarada trovata."},
    // Incastro: the comment of an inner word does not show.
    {Relazione::Incastro, "pastore", {"pa(sto)re"}, "Un incastro trovato."},
    {Relazione::Incastro, "portafoglio", {}, "Nessun incastro trovato."},
    // Lucchetto
    {Relazione::Lucchetto, "calo", {"capo polo", "cap\xF2 polo"}, "2 lucchetti trovati."},
    {Relazione::Lucchetto, "cal\xF2", {}, "Nessun lucchetto trovato."},
    // Bifronte: a palindrome is not its own; without a word, every pair once.
    {Relazione::Bifronte, "arpa", {"apra"}, "Un bifronte trovato."},
    {Relazione::Bifronte, "apra", {"arpa", "\xE0rpa"}, "2 bifronti trovati."},
    {Relazione::Bifronte, "anna", {}, "Nessun bifronte trovato."},
    {Relazione::Bifronte, "123", {}, "Nessun bifronte trovato."},
    {Relazione::Bifronte, "", {"apra arpa", "apra \xE0rpa"}, "2 coppie bifronti trovate."},
    // Antipodo
    {Relazione::Antipodo, "ramo", {"amor"}, "Un antipodo trovato."},
    {Relazione::Antipodo, "polo", {}, "Nessun antipodo trovato."},
    // Frase: the typed words are not their own anagram; longest word first.
    {Relazione::Frase, "roma", {"amor", "orma", "ramo"}, "3 frasi trovate."},
    {Relazione::Frase,
     "ramo amor",
     {"amor amor", "amor orma", "orma orma", "orma ramo", "ramo ramo"},
     "5 frasi trovate."},
    {Relazione::Frase, "foglio, porta!", {"portafoglio"}, "Una frase trovata."},
};

// The dictionary without its word orders (plain pass) and with them.
std::array<Voci, 2> dueVie(const V& elenco) {
    Voci voci = dizionario(elenco);
    Voci indicizzate = conIndici(voci);
    return {std::move(voci), std::move(indicizzate)};
}

TEST(Relazioni, ExamplesAccentsCommentsAndEmptyResults) {
    for (const Voci& voci : dueVie(kDizionario))
        for (const Caso& c : kCasi) {
            NoPoll poll;
            const RisultatoRicerca r = CercaRelazione(c.relazione, c.testo, {}, voci, poll);
            const auto& d = TabellaRelazioni()[static_cast<size_t>(c.relazione)];
            const std::string come = std::string(d.comando) + " " + c.testo +
                                     (IndicePronto(voci, Indice::Parole) ? "" : " (plain)");
            EXPECT_TRUE(r.eseguita) << come;
            EXPECT_EQ(r.righe, c.righe) << come;
            EXPECT_EQ(r.stato, c.stato) << come;
            EXPECT_FALSE(r.interrotto) << come;
        }
}

TEST(Relazioni, NothingTypedAsksForAWord) {
    for (const Voci& voci : dueVie(kDizionario))
        for (const DescrizioneRelazione& d : TabellaRelazioni()) {
            if (d.relazione == Relazione::Bifronte) continue; // lists every pair instead
            for (const char* testo : {"", "   ", "1-2"}) {
                NoPoll poll;
                const RisultatoRicerca r = CercaRelazione(d.relazione, testo, {}, voci, poll);
                EXPECT_FALSE(r.eseguita) << d.comando;
                EXPECT_TRUE(r.beep) << d.comando;
                EXPECT_EQ(r.stato, "Scrivi qualcosa . . . . . .") << d.comando;
            }
        }
    // Looking for nothing takes no pass at all: a one-letter word has no scarto.
    const Voci voci = dizionario(kDizionario);
    StopDopo subito(0);
    EXPECT_FALSE(CercaRelazione(Relazione::Scarto, "a", {}, voci, subito).interrotto);
}

// Three-part sciarade and the number and length of a phrase's words are held to the slow
// searches by the randomized comparison; here the settings it does not try.
TEST(Relazioni, PhraseSettingsOutOfRangeAndTheLimit) {
    const Voci voci = dizionario(kDizionario);
    NoPoll poll;
    OpzioniRelazione o;
    // Out-of-range settings are brought into range rather than refused.
    o.frasi = {99, -4, 0};
    EXPECT_EQ(CercaRelazione(Relazione::Frase, "roma", o, voci, poll).righe.size(), 3u);
    o.frasi = {3, 3, 2};
    EXPECT_EQ(CercaRelazione(Relazione::Frase, "ramo amor", o, voci, poll).righe,
              (V{"amor amor", "amor orma"}));
}

// Every word of n letters taken from `lettere`: plenty for the long searches to find.
Voci tutte(const std::string& lettere, size_t n) {
    V w{""};
    for (size_t k = 0; k < n; ++k) {
        V piu;
        for (const std::string& p : w)
            for (char c : lettere) piu.push_back(p + c);
        w = std::move(piu);
    }
    return dizionario(w);
}

TEST(Relazioni, AStopRequestKeepsWhatWasFound) {
    const Voci tre = tutte("aeiorst", 3), cinque = tutte("aeiors", 5);
    const Voci cinqueIndicizzate = conIndici(cinque);
    OpzioniRelazione o;
    o.frasi.parole = 4;
    // The relations that walk the word orders hear a stop request along the way; every
    // plain pass hears it between runs of entries.
    const std::tuple<Relazione, const char*, const Voci*> casi[] = {
        {Relazione::Frase, "aeiorsaeiors", &tre},         {Relazione::Bifronte, "", &cinque},
        {Relazione::Bifronte, "", &cinqueIndicizzate},    {Relazione::Lucchetto, "ae", &cinque},
        {Relazione::Lucchetto, "ae", &cinqueIndicizzate}, {Relazione::Cambio, "aeior", &cinque},
    };
    for (const auto& [rel, testo, voci] : casi) {
        NoPoll mai;
        const RisultatoRicerca tutto = CercaRelazione(rel, testo, o, *voci, mai);
        StopDopo poll(0);
        const RisultatoRicerca r = CercaRelazione(rel, testo, o, *voci, poll);
        EXPECT_TRUE(r.interrotto) << testo;
        EXPECT_FALSE(r.righe.empty()) << testo;
        EXPECT_LT(r.righe.size(), tutto.righe.size()) << testo;
        for (const std::string& riga : r.righe)
            EXPECT_TRUE(std::binary_search(tutto.righe.begin(), tutto.righe.end(), riga,
                                           OrdineAlfabetico{}))
                << riga;
    }
}

} // namespace
