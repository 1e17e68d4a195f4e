#include "search/SoluzioneParolando.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace verbolario;

namespace {

using Righe = std::vector<std::string>;

const Voci& dizionario() {
    static const Voci v = [] {
        Voci d;
        for (std::string_view e : {"amor", "ar", "armo\tverbo", "citt\xE0", "mar", "mora", "ora",
                                   "orma", "ramo", "roma", "romano", "M\xD2RA"})
            d.append(e);
        return d;
    }();
    return v;
}

RisultatoRicerca soluzione(std::string_view lettere, std::string_view scritta) {
    NoPoll poll;
    return SoluzioneParolando(lettere, scritta, dizionario(), poll);
}

TEST(SoluzioneParolando, NeedsAtLeastTwoLetters) {
    for (std::string_view lettere : {"", "A ", "AB"}) {
        const RisultatoRicerca r = soluzione(lettere, "");
        EXPECT_FALSE(lettereSufficienti(lettere));
        EXPECT_EQ(r.stato, kTroppePocheLettere);
        EXPECT_TRUE(r.righe.empty());
    }
    EXPECT_TRUE(lettereSufficienti("A B "));
}

TEST(SoluzioneParolando, LongestFirstAndTheDrawnOrderLeftOut) {
    const RisultatoRicerca r = soluzione("R O M A ", "");
    // roma spells the letters in the order drawn; every word has at least 3 letters.
    ASSERT_EQ(r.righe.size(), 6u);
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(r.righe[k].size(), 4u) << r.righe[k];
    Righe corte(r.righe.begin() + 4, r.righe.end());
    std::sort(corte.begin(), corte.end());
    EXPECT_EQ(corte, (Righe{"mar", "ora"}));
    EXPECT_EQ(std::count(r.righe.begin(), r.righe.end(), "roma"), 0);
    EXPECT_EQ(r.stato, "6 parole trovate, la pi\xF9 lunga delle quali con 4 lettere.");
    EXPECT_EQ(r.selezionato, -1);
}

TEST(SoluzioneParolando, TheTypedWordIsLookedUpAmongFoldedWords) {
    const std::string_view trovata = "\r\n\r\n   Anche tu ne hai trovata una, di ";
    const std::string_view consiglio = "\r\n\r\n   Se sei certo di aver trovato una parola "
                                       "valida la puoi inserire nel dizionario.";
    struct Caso {
        std::string_view lettere, scritta, riga, finale;
    } casi[] = {
        {"R O M A ", "MoRa", "mora", "4 lettere."},   // any letter case
        {"R O M A ", " roma ", "roma", "6 lettere."}, // trimmed to look up, counted as typed
        {"R O M A ", "rami", "", ""},
        {"C I T T A ", "citt\xE0", "", ""}, // the list holds the folded citta
        {"C I T T A ", "citta", "citta", "5 lettere."},
    };
    for (const Caso& c : casi) {
        const RisultatoRicerca r = soluzione(c.lettere, c.scritta);
        const size_t a = r.stato.find("\r\n");
        ASSERT_NE(a, std::string::npos);
        const std::string coda = r.stato.substr(a);
        if (c.finale.empty()) {
            EXPECT_EQ(coda, consiglio) << c.scritta;
            EXPECT_EQ(r.selezionato, -1);
        } else {
            EXPECT_EQ(coda, std::string(trovata) + std::string(c.finale)) << c.scritta;
            ASSERT_GE(r.selezionato, 0);
            EXPECT_EQ(r.righe[static_cast<size_t>(r.selezionato)], c.riga);
        }
    }
    // With a word typed, roma itself is listed too.
    EXPECT_EQ(soluzione("R O M A ", "x").righe.size(), 7u);
}

TEST(SoluzioneParolando, NothingFormable) {
    const RisultatoRicerca r = soluzione("X Y ", "xy");
    EXPECT_TRUE(r.righe.empty());
    EXPECT_EQ(r.stato, "Nessuna parola ricavabile dal dizionario in uso.\r\n\r\n   Se sei certo "
                       "di aver trovato una parola valida la puoi inserire nel dizionario.");
    EXPECT_EQ(soluzione("X Y ", "").stato, "Nessuna parola ricavabile dal dizionario in uso.");
}
TEST(SoluzioneParolando, AStopStillListsTheWordsFoundLongestFirst) {
    Voci voci;
    const std::string_view parole[] = {"ramo", "mar", "roma", "ora", "amor", "orma"};
    for (size_t i = 0; i < 30000; ++i) voci.append(parole[i % std::size(parole)]);
    prova::StopDopo poll(1);
    const RisultatoRicerca r = SoluzioneParolando("R O M A ", "", voci, poll);
    EXPECT_TRUE(r.interrotto);
    ASSERT_FALSE(r.righe.empty());
    EXPECT_LT(r.righe.size(), 25000u); // roma is never listed: 25000 would be all
    EXPECT_TRUE(std::is_sorted(
        r.righe.begin(), r.righe.end(),
        [](const std::string& a, const std::string& b) { return a.size() > b.size(); }));
    EXPECT_EQ(r.stato, std::to_string(r.righe.size()) +
                           " parole trovate, la pi\xF9 lunga delle quali con 4 lettere.");
}

} // namespace
