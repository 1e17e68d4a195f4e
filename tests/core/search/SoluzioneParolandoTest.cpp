#include "search/SoluzioneParolando.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;

namespace {

using prova::V;

const Voci& parole() {
    static const Voci v = prova::dizionario({"amor", "ar", "armo\tverbo", "citt\xE0", "mar", "mora",
                                             "ora", "orma", "ramo", "roma", "romano", "M\xD2RA"});
    return v;
}

RisultatoRicerca soluzione(std::string_view lettere, std::string_view scritta) {
    NoPoll poll;
    return SoluzioneParolando(lettere, scritta, parole(), poll);
}

TEST(SoluzioneParolando, NeedsAtLeastTwoLetters) {
    for (std::string_view lettere : {"", "A ", "AB"}) {
        const RisultatoRicerca r = soluzione(lettere, "");
        EXPECT_FALSE(lettereSufficienti(lettere));
        EXPECT_EQ(r.stato, kTroppePocheLettere);
    }
    EXPECT_TRUE(lettereSufficienti("A B "));
}

TEST(SoluzioneParolando, LongestFirstAndTheDrawnOrderLeftOut) {
    const RisultatoRicerca r = soluzione("R O M A ", "");
    // roma spells the letters in the order drawn; every word has at least 3 letters.
    ASSERT_EQ(r.righe.size(), 6u);
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(r.righe[k].size(), 4u) << r.righe[k];
    V corte(r.righe.begin() + 4, r.righe.end());
    std::sort(corte.begin(), corte.end());
    EXPECT_EQ(corte, (V{"mar", "ora"}));
    EXPECT_EQ(std::count(r.righe.begin(), r.righe.end(), "roma"), 0);
    EXPECT_EQ(r.stato, "6 parole trovate, la pi\xF9 lunga delle quali con 4 lettere.");
    EXPECT_EQ(r.selezionato, -1);
}

TEST(SoluzioneParolando, TheTypedWordIsLookedUpAmongFoldedWordsOrAdvised) {
    const std::string trovata = "\r\n\r\n   Anche tu ne hai trovata una, di ";
    const std::string consiglio = "\r\n\r\n   Se sei certo di aver trovato una parola "
                                  "valida la puoi inserire nel dizionario.";
    const std::tuple<const char*, const char*, std::string, std::string> casi[] = {
        {"R O M A ", "MoRa", "mora", "4 lettere."},   // any letter case
        {"R O M A ", " roma ", "roma", "6 lettere."}, // trimmed to look up, counted as typed
        {"R O M A ", "rami", "", ""},
        {"C I T T A ", "citt\xE0", "", ""}, // the list holds the folded citta
        {"C I T T A ", "citta", "citta", "5 lettere."},
    };
    for (const auto& [lettere, scritta, riga, finale] : casi) {
        const RisultatoRicerca r = soluzione(lettere, scritta);
        const size_t a = r.stato.find("\r\n");
        ASSERT_NE(a, std::string::npos);
        const std::string coda = r.stato.substr(a);
        EXPECT_EQ(coda, finale.empty() ? consiglio : trovata + finale) << scritta;
        EXPECT_EQ(r.selezionato < 0 ? "" : r.righe.at(static_cast<size_t>(r.selezionato)), riga);
    }
    // With a word typed, roma itself is listed too.
    EXPECT_EQ(soluzione("R O M A ", "x").righe.size(), 7u);
    const RisultatoRicerca nulla = soluzione("X Y ", "xy");
    EXPECT_TRUE(nulla.righe.empty());
    EXPECT_EQ(nulla.stato,
              std::string("Nessuna parola ricavabile dal dizionario in uso.") + consiglio);
    EXPECT_EQ(soluzione("X Y ", "").stato, "Nessuna parola ricavabile dal dizionario in uso.");
}

TEST(SoluzioneParolando, AStopStillListsTheWordsFoundLongestFirst) {
    Voci voci;
    const std::string_view scelte[] = {"ramo", "mar", "roma", "ora", "amor", "orma"};
    for (size_t i = 0; i < 30000; ++i) voci.append(scelte[i % std::size(scelte)]);
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
