#pragma once

#include "games/CompletaParole.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QLabel;
class QLineEdit;
class QToolButton;

namespace verbolario {

class Casuale;
class ContoAllaRovescia;
class Form1;
class OrologioGioco;
class PannelloParole;
class frmTime;

// Mode 8 of the main window, "Completa_parole": the answer box Text3 where Text1 stands, the
// four words on their panel below it, and in Frame6 the missing-letters button Cmd4 and the
// countdown PicTime. The rules are the engine's (PreparaSfida, CompletaParole); this class
// feeds them the window's events and shows what they return: texts, sounds, the clock.
class GiocoCompleta final : public QObject {
    Q_OBJECT
public:
    explicit GiocoCompleta(Form1& f);
    ~GiocoCompleta() override;

    QLineEdit* Text3 = nullptr;
    PannelloParole* Picture1 = nullptr;
    QToolButton* Cmd4 = nullptr;
    ContoAllaRovescia* PicTime = nullptr;
    OrologioGioco* Timer1 = nullptr;

    const CompletaParole& gioco() const { return gioco_; }
    // The missing part in capitals, for the owl's reveal; empty before the first round.
    QString soluzione() const;
    // The settings window, while it is open.
    frmTime* finestraTempo() const;
    // The source of the random draws (tests play a scripted game).
    void impostaCasuale(std::unique_ptr<Casuale> caso);

    // The start button's step in mode 8: prepares a round and starts its clock. A stop
    // request or a dictionary without a round leaves no half-started game.
    bool PreparaSfida();
    // Abandons the round: clock stopped, words emptied, Cmd4 enabled, the limit shown.
    void AzzeraSfida();

private:
    void costruisci();
    void entraNelModo();
    void esceDalModo();
    void SvelaParte();
    void Timer1_Timer();
    void Text3_Change();
    void Cmd4_Click();
    void PicTime_MouseDown(Qt::MouseButton pulsante);
    void Label1_Click();
    void apriFinestraTempo();

    void suona(CompletaParole::Suono suono);
    void beepFinali(unsigned giro);
    void mostraConteggio(int secondi);
    // The seconds left while a round runs, else the limit.
    void mostraConteggio();
    void applicaColore();
    void messaggio(const std::string& testoCp, bool suggerimento = true);
    int tempoLimite() const;
    int lunghezzaLimite() const;

    Form1& f_;
    CompletaParole gioco_;
    std::unique_ptr<Casuale> caso_;
    QPointer<frmTime> finestraTempo_;
    // Each round or abandon starts a new turn: beeps of an older one stop.
    unsigned giroBeep_ = 0;
    QElapsedTimer tempoBeep_;
};

// The game installed in the main window (null before installaCompletaParole).
GiocoCompleta* giocoCompleta(Form1& f);
void installaCompletaParole(Form1& f);

} // namespace verbolario
