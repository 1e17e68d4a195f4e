// Indexes built apart, as the window builds them on a worker thread, and handed to the store.
#include "search/Indici.h"
#include "search/Anagrammi.h"
#include "search/RicercaModello.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

namespace verbolario {
namespace {

using namespace prova;

// The pattern index shares its rows with the anagram index when both lay the entries out
// alike (no blank, hyphen or half in any entry): built apart, it brings that index along, so
// the store need not build a second copy; otherwise it keeps rows of its own.
TEST(Indici, APatternIndexBuiltApartBringsWhatItIsBuiltOn) {
    const std::pair<V, bool> casi[] = {{{"cane", "pane", "citt\xE0", "oro"}, true},
                                       {{"cane", "a capo"}, false},
                                       {{"cane", "pre-visto"}, false},
                                       {{"cane", "\xBD"}, false}};
    for (const auto& [voci, condivide] : casi) {
        Voci v = dizionario(voci);
        const auto consegna = CostruisciAParte(v.snapshot(), Indice::Modello);
        EXPECT_FALSE(IndicePronto(v, Indice::Modello));
        consegna(v);
        EXPECT_TRUE(IndicePronto(v, Indice::Modello));
        EXPECT_EQ(IndicePronto(v, Indice::AnagrammiParole), condivide) << voci[1];
        // Either way the searches answer as without an index.
        const Voci senza = dizionario(voci);
        NoPoll np;
        EXPECT_EQ(RicercaModello("*A*E", {}, v, np).righe,
                  RicercaModello("*A*E", {}, senza, np).righe);
        EXPECT_EQ(Anagrammi(kCompleti, "enac", {}, v, np).righe,
                  Anagrammi(kCompleti, "enac", {}, senza, np).righe);
    }
}

} // namespace
} // namespace verbolario
