#include "CompletaParole.h"

#include "text/Accenti.h"
#include "text/Cp1252.h"

namespace verbolario {

namespace {

// Both sides of the answer check: capitals, every accented vowel plain.
std::string piegata(std::string_view s) {
    return cp1252::uppered(accenti::NoAcc(cp1252::lowered(s)));
}

} // namespace

int CompletaParole::cambiaLettere() {
    lettere_ = lettere_ == 4 ? 2 : lettere_ + 1;
    return lettere_;
}

void CompletaParole::inizia(Sfida sfida, int tempoLimite) {
    sfida_ = std::move(sfida);
    tempoLimite_ = tempoLimite;
    secondi_ = tempoLimite;
    intervallo_ = kIntervallo;
    inCorso_ = true;
}

std::string CompletaParole::parteMaiuscola() const {
    return cp1252::uppered(sfida_.parte);
}

CompletaParole::Battito CompletaParole::scatto(bool suonoDisponibile) {
    Battito b;
    if (!inCorso_) {
        b.secondi = secondi_;
        b.intervallo = intervallo_;
        return b;
    }
    --secondi_;
    if (secondi_ > kUltimiSecondi) {
        b.suono = Suono::Beep;
    } else if (secondi_ >= 1) {
        if (allarmeDisattivato_) {
            intervallo_ = kIntervallo;
            b.suono = Suono::Beep;
        } else {
            intervallo_ = suonoDisponibile ? kIntervalloAllarme : kIntervallo;
            b.suono = Suono::DueBeep;
        }
    } else {
        b.suono = allarmeDisattivato_ ? Suono::Beep : Suono::BeepFinali;
        b.scaduto = true;
        inCorso_ = false;
    }
    b.secondi = secondi_;
    b.intervallo = intervallo_;
    return b;
}

CompletaParole::Risposta CompletaParole::rispondi(std::string_view testo) {
    if (!inCorso_ || testo.size() < sfida_.parte.size()) return Risposta::Ignorata;
    if (piegata(testo) != piegata(sfida_.parte)) return Risposta::Sbagliata;
    inCorso_ = false;
    return Risposta::Esatta;
}

CompletaParole::Suono CompletaParole::commutaAllarme() {
    allarmeDisattivato_ = !allarmeDisattivato_;
    if (inCorso_) return Suono::Nessuno;
    return allarmeDisattivato_ ? Suono::Beep : Suono::DueBeep;
}

std::string CompletaParole::messaggioEsatto() const {
    return "Esatto!\r\nLe lettere mancanti erano proprio... " + parteMaiuscola() +
           "\r\nHai indovinato in " + std::to_string(secondiImpiegati()) + " secondi.";
}

std::string CompletaParole::messaggioScaduto() const {
    return "Tempo scaduto!\r\nLe lettere mancanti erano < " + parteMaiuscola() + " >";
}

std::string CompletaParole::messaggioLettere(int lettere) {
    return std::to_string(lettere) + " lettere mancanti per parola.";
}

std::string CompletaParole::messaggioAllarme(bool attivo) {
    return attivo ? "Allarme attivato." : "Allarme disattivato.";
}

} // namespace verbolario
