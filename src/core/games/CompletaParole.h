#pragma once

#include "games/Sfida.h"

#include <string>
#include <string_view>

namespace verbolario {

// The rules and state of the timed game once a round has been prepared (PreparaSfida): the
// count of missing letters chosen with its button, the countdown one tick at a time, the
// alarm of the last seconds, the check of the answer and giving up. The window sends the
// events and shows what comes back; nothing here waits or reads a clock, so a whole game
// plays in a test tick by tick.
class CompletaParole {
public:
    static constexpr int kIntervallo = 1000;       // ms between ticks
    static constexpr int kIntervalloAllarme = 700; // last seconds, alarm on, sound available
    static constexpr int kUltimiSecondi = 4;       // the alarm's seconds before the end
    static constexpr int kDurataBeepFinali = 1000; // ms of beeps when time runs out

    enum class Suono {
        Nessuno,
        Beep,       // "Beep.wav" once, without waiting
        DueBeep,    // "Beep.wav" twice in a row, each to its end
        BeepFinali, // "Beep.wav" to its end again and again for kDurataBeepFinali ms
        Blip,       // "Blip.wav" once, without waiting: the right answer
    };

    // The number of missing letters for the next round, as its button shows it: 2 at start,
    // then each click gives 3, 4, 2, 3, 4, ...
    int lettere() const { return lettere_; }
    int cambiaLettere();

    // A prepared round starts: the countdown from tempoLimite seconds.
    void inizia(Sfida sfida, int tempoLimite);
    // The round is given up (a word clicked, another round or mode): the clock stops. The
    // part stays known, for whoever asks to see it.
    void azzera() { inCorso_ = false; }

    bool inCorso() const { return inCorso_; }
    int intervallo() const { return intervallo_; }
    const Sfida& sfida() const { return sfida_; }
    // The missing part in capitals; empty before the first round.
    std::string parteMaiuscola() const;
    // The seconds the countdown shows: those left while a round runs, else the limit.
    int secondiDaMostrare(int tempoLimite) const { return inCorso_ ? secondi_ : tempoLimite; }

    // One tick of the clock: the seconds to draw, the sound, the interval to the next tick.
    // scaduto: time ran out on this tick; the round is over and shows its words whole.
    struct Battito {
        int secondi = 0;
        int intervallo = kIntervallo;
        Suono suono = Suono::Nessuno;
        bool scaduto = false;
    };
    // suonoDisponibile: a sound output exists and sound is switched on (only then does the
    // alarm hurry the clock). A tick while no round runs changes nothing.
    Battito scatto(bool suonoDisponibile);

    // The answer box changed. Ignorata: no round runs or fewer than K characters are typed;
    // Sbagliata: the whole answer should be selected, so the next try replaces it; Esatta:
    // the round is won and over. Accents and case do not matter (Windows-1252 text).
    enum class Risposta { Ignorata, Sbagliata, Esatta };
    Risposta rispondi(std::string_view testo);
    // Seconds from the start of the round to now.
    int secondiImpiegati() const { return tempoLimite_ - secondi_; }

    // The alarm of the last seconds, on at start. Switching it gives the sound to play: two
    // beeps when it comes on, one when it goes off, none while a round runs.
    bool allarmeAttivo() const { return !allarmeDisattivato_; }
    Suono commutaAllarme();

    // Status texts, Windows-1252.
    std::string messaggioEsatto() const;
    std::string messaggioScaduto() const;
    static std::string messaggioLettere(int lettere);
    static std::string messaggioAllarme(bool attivo);

private:
    int lettere_ = 2;
    Sfida sfida_;
    bool inCorso_ = false;
    int secondi_ = 0;
    int tempoLimite_ = 0;
    int intervallo_ = kIntervallo;
    bool allarmeDisattivato_ = false;
};

} // namespace verbolario
