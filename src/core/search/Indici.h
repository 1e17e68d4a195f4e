#pragma once

#include "dictionary/Voci.h"

#include <functional>

namespace verbolario {

// The indexes the searches answer from once they exist; until then every search looks at each
// entry once. Each is kept by the store as derived data (Voci::derived), so any change of the
// dictionary drops it.
enum class Indice {
    Modello,         // crossword and number-key patterns, vowel and consonant exchanges
    Rime,            // endings
    Palindromi,      // the palindromes themselves
    Sfoglia,         // browsing by prefix and by letter
    AnagrammiParole, // anagram searches, phrases off
    AnagrammiFrasi,  // anagram searches, phrases on
    Parole,          // the word-play relations (both word orders)
};
inline constexpr Indice kIndici[] = {
    Indice::Modello,         Indice::Rime,           Indice::Palindromi, Indice::Sfoglia,
    Indice::AnagrammiParole, Indice::AnagrammiFrasi, Indice::Parole};

// Whether the store has it for its current entries.
bool IndicePronto(const Voci& voci, Indice quale);
// Builds it now, unless it is there.
void CostruisciIndice(const Voci& voci, Indice quale);

// Builds it over voci (a snapshot, typically on another thread) and returns what hands it, and
// whatever it was built on, to a store with the same entries: call that on the store's own
// thread, and only while its version is the snapshot's.
std::function<void(const Voci&)> CostruisciAParte(const Voci& voci, Indice quale);

} // namespace verbolario
