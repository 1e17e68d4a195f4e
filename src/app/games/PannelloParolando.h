#pragma once

#include "games/Parolando.h"

#include <QObject>

#include <array>
#include <memory>

class QCheckBox;
class QPushButton;

namespace verbolario {

class Form1;
class EtichettaLettere;

// The letter game in the main window (mode 6): the "Vocale" and "Consonante" buttons and the
// way of drawing in Frame4, the drawn letters in Lblpar, the live check of the word typed in
// Text1, and the start button's step that lists every word the letters make and ends the
// round. The rules are the engine's (Parolando); this class shows what they hand back.
class PannelloParolando final : public QObject {
    Q_OBJECT
public:
    explicit PannelloParolando(Form1& f);
    ~PannelloParolando() override;

    // The panel of a window that has it installed, else nullptr.
    static PannelloParolando* di(Form1& f);

    std::array<QPushButton*, 2> Cmd7{}; // 0 "Vocale", 1 "Consonante"
    QCheckBox* Check4 = nullptr;        // unchecked "Casuale", checked "Distributiva"
    EtichettaLettere* Lblpar = nullptr;

    const Parolando& gioco() const { return gioco_; }
    // Where the draws take their random numbers (the clock's until this is called).
    void impostaCasuale(std::unique_ptr<Casuale> casuale);

    void Cmd7_Click(int indice);
    void Check4_Click();
    void Lblpar_DblClick();

private:
    void costruisci();
    void Text1_Change();
    // The start button in mode 6; false when it declined to search.
    bool soluzione();
    void modoCambiato(int modo);
    void impostazioniLette();
    void applicaColore();

    Form1& f_;
    Parolando gioco_;
    std::unique_ptr<Casuale> casuale_;
};

// Gives the window its letter game; call once, after the commands are installed.
void installaParolando(Form1& f);

} // namespace verbolario
