#pragma once

#include "games/Sfida.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

class Casuale;
class Poll;
class Voci;

// Choosing a round of the timed game: a run of K letters taken from a random entry, and
// four different entries 6 to lunghezzaLimite characters long that hold it.
//
// A part is tried the quick way first: random entries are drawn until four of them hold it
// (up to kEstrazioniPerParte draws, then a new part). A small dictionary with short words
// first counts the entries that hold the part: 4 to 20 give the first four in dictionary
// order, fewer a new part. When kPartiACaso parts in a row find no four words, the
// dictionary may have no such part at all: one pass over the suitable entries settles it,
// so preparing always ends, with a round or with the reason there is none.

enum class EsitoSfida {
    Pronta,             // sfida holds the round
    Interrotta,         // the user asked to stop
    NessunaVoceAdatta,  // no entry is 6 to lunghezzaLimite characters long
    NessunaParteComune, // no run of K letters is held by four different suitable entries
};

struct Preparazione {
    EsitoSfida esito = EsitoSfida::Interrotta;
    Sfida sfida;
};

// Below this upper bound of the dictionary the short-word rule above applies.
inline constexpr int64_t kLimiteDizionarioPiccolo = 30000;
inline constexpr int kEstrazioniPerParte = 10000;
inline constexpr int64_t kMinimoSeriale = 4;
inline constexpr int64_t kMassimoSeriale = 20;
inline constexpr int kPartiACaso = 50;

// How many entries 6 to lunghezzaLimite characters long hold `parte` (repeated entries
// counted each time).
int64_t Numera(const Voci& voci, std::string_view parte, int lunghezzaLimite);

// The first entries, in dictionary order, that are 6 to lunghezzaLimite characters long and
// hold `parte`, each different from those before it; at most Sfida::kParole. Fewer when the
// dictionary runs out or the poll asks to stop.
std::vector<std::string> Seriale(const Voci& voci, std::string_view parte, int lunghezzaLimite,
                                 Poll& poll);

// lettere (K) is 2, 3 or 4 in the game (1 to 4 accepted); lunghezzaLimite 6 to 16 (brought
// into that range).
Preparazione PreparaSfida(const Voci& voci, int lettere, int lunghezzaLimite, Casuale& caso,
                          Poll& poll);

// Why no round could be prepared, for the status band (Windows-1252); empty for Pronta and
// Interrotta.
std::string MessaggioSfida(EsitoSfida esito, int lettere, int lunghezzaLimite);

} // namespace verbolario
