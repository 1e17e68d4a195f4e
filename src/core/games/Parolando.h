#pragma once

#include "games/Casuale.h"

#include <string>
#include <string_view>

namespace verbolario {

// The letter game: the player draws vowels and consonants one at a time and tries to spell
// the longest word with them, each drawn letter used at most once. This is the game's state
// and rules; the window shows what the calls hand back.

enum class TipoLettera { Vocale, Consonante };

// A game holds at most this many letters.
inline constexpr int kMassimoLettere = 30;

inline constexpr std::string_view kLimiteLettere =
    "E' stato raggiunto il limite imposto al numero delle lettere estratte.";
inline constexpr std::string_view kParolaTroppoLunga =
    "La parola che hai scritto \xE9 pi\xF9 lunga del totale delle lettere estratte!";
inline constexpr std::string_view kLetteraNonEstratta = "Hai scritto una lettera non estratta!";

// What a draw asks the window to show.
struct EsitoEstrazione {
    // The first draw of a game: the drawn letters shown so far, the solution list and the
    // player's word are emptied before the new letter shows.
    bool nuovaPartita = false;
    // Nothing was drawn, the game already holds kMassimoLettere letters: a beep.
    bool limite = false;
    char lettera = 0;      // the capital drawn (0 when nothing was drawn)
    std::string messaggio; // for the status band, centred, as a hint
};

// What the check of the player's word asks the window to do.
struct EsitoControllo {
    // No letters drawn: the word box is emptied, nothing can be written yet.
    bool svuota = false;
    // The selection of the word box, from inizio (0-based) over lunghezza characters;
    // inizio -1 leaves the selection alone. lunghezza may run past the end of the word.
    int inizio = -1;
    int lunghezza = 0;
    // For the status band, centred, as a hint; empty leaves the band alone.
    std::string messaggio;
    // System beeps, one per refused letter.
    int beep = 0;
};

class Parolando {
public:
    // Draws one letter of the kind asked. The distributive way draws from the dictionary's
    // letter pool (capitals, frequent letters repeated), never the same letter of a kind twice
    // in a row, even across games; the random way draws a, e, i, o, u or one of the 21
    // consonants, each equally likely. The pool may be anything (characters other than
    // letters are ignored): when it cannot give a letter of the kind other than the previous
    // one, the letter comes from the random way's set, still not the previous one.
    EsitoEstrazione estrai(TipoLettera tipo, std::string_view pool, Casuale& casuale);

    // The player's word checked against the drawn letters: the first refused letter (not
    // drawn, or all its copies used) is selected, and a run of refused letters at the end is
    // selected whole. Windows-1252 text, as typed.
    EsitoControllo controlla(std::string_view scritta) const;

    // A new game by hand: no letters, no counts.
    void nuovaPartita();
    // The round ended with its solution search: no game is under way any more. The counts stay
    // until the next draw starts a game.
    void concludi() { lettereEstratte_.clear(); }

    void setDistributiva(bool si) { distributiva_ = si; }
    bool distributiva() const { return distributiva_; }

    // The drawn letters as shown: each capital followed by one blank, in the order drawn.
    // Empty when no game is under way.
    const std::string& lettereEstratte() const { return lettereEstratte_; }
    bool inCorso() const { return !lettereEstratte_.empty(); }
    int numVocali() const { return numVocali_; }
    int numConsonanti() const { return numConsonanti_; }
    // The previous distributive pick of each kind (a capital), 0 before the first.
    char ultimaVocale() const { return ultimaVocale_; }
    char ultimaConsonante() const { return ultimaConsonante_; }

private:
    char estraiDistributiva(TipoLettera tipo, std::string_view pool, Casuale& casuale);

    std::string lettereEstratte_;
    int numVocali_ = 0;
    int numConsonanti_ = 0;
    char ultimaVocale_ = 0;
    char ultimaConsonante_ = 0;
    bool distributiva_ = false;
};

} // namespace verbolario
