#pragma once

#include "games/IndovinaParola.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace verbolario {

class BarraLunghezze;
class Casuale;
class Form1;
class RigaLettere;
struct IntervalloLunghezze;

// Mode 1 of the main window, "Indovina_parola": the panel Frame1 (the vowel and consonant
// helps, the counts, the length bar), the row of letter boxes, and the start button's step.
// The rules are the engine's (IndovinaParola); this class shows them and feeds them the
// window's events.
class GiocoIndovina final : public QObject {
    Q_OBJECT
public:
    explicit GiocoIndovina(Form1& f);
    ~GiocoIndovina() override;

    // The game of a window that has it installed, else nullptr.
    static GiocoIndovina* di(Form1& f);

    // The random source of the draws and helps (tests script it).
    void impostaCasuale(std::unique_ptr<Casuale> casuale);
    const IndovinaParola& gioco() const { return gioco_; }

    std::array<QPushButton*, 2> Command3{}; // "Vocale", "Consonante"
    std::array<QLabel*, 2> LbH{};           // vowels and consonants of the word
    BarraLunghezze* PicSize = nullptr;
    QLabel* LblMin = nullptr;
    QLabel* LblMax = nullptr;
    RigaLettere* T1 = nullptr;

    // The start button's step: prepares the panel and draws a word.
    bool avvia();
    // IndovinaParola: draws a word in the range and sets its boxes up.
    void nuovaPartita();
    void Frame1_Click();
    void DisegnaIntervallo();
    void Command3_Click(int indice);
    // Box j now reads `testo` (typed, or emptied): judged.
    void T1_Change(int j, const QString& testo);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisciPannello();
    void collegaCasella(class CasellaLettera* c);
    void T1_KeyDown(int j, int codice, const QString& testo);
    void T1_MouseDown(int j);
    void applica(const IndovinaParola::Esito& e);
    void mostraCaselle();
    void mostraConteggi();
    void fuocoSu(int j);
    IntervalloLunghezze intervallo() const;
    void intervalloTrascinato();
    void PicSize_MouseUp();

    Form1& f_;
    IndovinaParola gioco_;
    std::unique_ptr<Casuale> casuale_;
};

// Builds mode 1 into the window (and the owl beside it); call once, when the window is made.
void installaIndovinaParola(Form1& f);

} // namespace verbolario
