#pragma once

#include "PollEventi.h"
#include "mainform/ListaOrdinata.h"
#include "mainform/SuperficieForm1.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace verbolario {

class Contesto;
class ColonnaModi;
class VistaRisultati;
class DisegnoPalindromo;
class DisegnoCruciverba;
class ucTast;
class BarraProgresso;
class Suoni;
class reSizer;
class CambioModo;
class FiltriTasti;
class MenuForm1;
class ControlliRicerca;

// The main window. It builds the controls at their design places (LayoutForm1), wires them
// to the classes that give them behaviour, and hosts what the searches and games need:
//
//  - the controls, as public members named like the controls they are (Text1, List1, ...);
//  - ScriviMessaggio (status band), Suona (sounds), BarDraw (progress in Pic1);
//  - poll(): the Poll every engine loop started from this window takes;
//  - signals for the commands that other code implements:
//      richiestaAvvio           Command1 or Enter (not while a search runs: then Enter
//                               stops it, as Command10 does)
//      richiestaApriDizionario  Command4 and the Help menu's "Cambia dizionario"
//      richiestaEliminaAccenti, richiestaFormatta   Help-menu entries
//      richiestaMenuFile(i)     List1's dictionary menu: 0 add, 1 modify, 2 delete, 4 save
//      richiestaLettereComuni   Ctrl+click on List1
//      richiestaHelp, richiestaAbout, richiestaSfondo, richiestaGrafico,
//      richiestaEnigmistica     for windows that
//                               do not exist yet
//      cambioModoIniziato(i)    a mode switch was accepted and begins: the games remove
//                               their letter boxes, stop their timer and hide their own
//                               controls here (the owl, the time display, the drawn letters)
//      modoCambiato(i)          after every completed mode switch (games prepare here)
//      impostazioniLette        start-up has applied the stored settings (giochi among
//                               them), before the stored mode is selected
//      coloreGiochiCambiato     Ctrl+C gave giochi.parColor or giochi.comColor a new colour
//    The start button's handler follows this frame: return at once when
//    ctx.occupato or ctx.ricercaInCorso; set ricercaInCorso; clear interrompi; call
//    mostraStop(true) before a long loop; ScriviMessaggio for the status; and in its final
//    block concludiRicerca(), which restores buttons, flags, Text1 and the pointer.
//  - salvaDizionario: what the exit's "Salvo le modifiche" does (set by the dictionary
//    commands); false when the save failed or was declined.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Contesto& ctx, QWidget* parent = nullptr);
    ~Form1() override;

    Contesto& ctx;

    // Controls.
    ColonnaModi* Frame3 = nullptr;
    QRadioButton* Option1(int i) const;
    QPushButton* Command2() const;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* TxtMeno = nullptr;
    VistaRisultati* List1 = nullptr;
    ListaOrdinata List2;
    QPushButton* Command1 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* cmdFocus = nullptr;
    QFrame* Frame1 = nullptr; // guessing game (filled by the games)
    QFrame* Frame2 = nullptr;
    QFrame* Frame4 = nullptr; // letter game
    QFrame* Frame5 = nullptr;
    QFrame* Frame6 = nullptr; // timed game
    std::array<QRadioButton*, 4> Option2{};
    QCheckBox* Check5 = nullptr;
    QCheckBox* CScarto = nullptr;
    std::array<QRadioButton*, 2> Option3{};
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* CkFilter = nullptr;
    QCheckBox* CkDoppie = nullptr;
    QCheckBox* ckOrder = nullptr;
    ucTast* Tast1 = nullptr;
    BarraProgresso* Pic1 = nullptr;
    DisegnoPalindromo* ImgPal = nullptr;
    DisegnoCruciverba* CruciPic = nullptr;

    // Window state that the searches and games read.
    int ModoCorrente = 5;
    bool ModoFrasi = false;
    int sottomodoAnagrammi = 0;
    bool SoluzioneMostrata = false;
    // Settings of the games, kept here so they round-trip until the games use them.
    struct ValoriGiochi {
        int64_t maxTime = 30, maxLen = 10, min = 3, max = 0, scelta = 0;
        uint32_t parColor = 0xC00000, comColor = 0xC00000;
    } giochi;

    // Where the stored position put the window: while it stays there, shutdown writes the
    // stored twips back unchanged instead of twips re-derived from whole pixels.
    struct PosizioneLetta {
        QRect pixel;
        double left = 0, top = 0, width = 0, height = 0;
    } posizioneLetta;

    SuperficieForm1 superficie;
    void ScriviMessaggio(const QString& testo, unsigned formato = 1, bool suggerimento = true);
    void Suona(int numero, unsigned modo = 3);
    // The sound player (SuonoAttivo, SchedaAudio).
    Suoni& suoni() { return *suoni_; }
    void BarDraw(int64_t posizione, int percentuale);
    PollEventi& poll() { return poll_; }

    // The mode switch (Option1_Click); refused while busy.
    void Option1_Click(int i);
    // Command10_Click: stop request.
    void Command10_Click();
    // Brings the stop button in front of the start button, or sends it back.
    void mostraStop(bool davanti);
    // The final block of a search: flags, buttons, Text1, Pic1, pointer.
    void concludiRicerca();
    // Keeps the window above others, or not.
    void ImpostaInPrimoPiano(bool sopra);
    // Caption with the entry count.
    void aggiornaTitolo();
    // Design client size in pixels; FattoreScala is 1 there.
    static QSize dimensioneProgetto() { return {640, 467}; }
    // The smallest client size: the captions' 9 points become 7.2 there, the smallest size
    // that still reads easily.
    static QSize dimensioneMinima() { return {512, 374}; }
    // The focus rule of the mode switch: Text1, else Text2, else cmdFocus.
    void fuocoPredefinito();
    // cmdFocus when w cannot take the focus.
    void fuocoSu(QWidget* w);

    // Exit: set by the dictionary commands.
    std::function<bool()> salvaDizionario;
    // True when the window is closed by the system (session end): no question is asked.
    bool chiusuraDiSistema = false;

    // Alt+C: the colour under the pointer becomes the status text's; Ctrl+C: the games'
    // text colour. The options window passes these keys on too. (Ctrl+Shift+C copies the
    // result list instead.)
    void CambiaColore(bool ctrl, bool alt);

    CambioModo& cambioModo() { return *modo_; }
    MenuForm1& menu() { return *menu_; }
    reSizer& resizer() { return *resizer_; }

signals:
    void richiestaAvvio();
    void richiestaApriDizionario();
    void richiestaEliminaAccenti();
    void richiestaFormatta();
    void richiestaMenuFile(int indice);
    void richiestaLettereComuni();
    void richiestaHelp();
    void richiestaAbout();
    void richiestaSfondo();
    void richiestaGrafico();
    void richiestaEnigmistica();
    void cambioModoIniziato(int modo);
    void modoCambiato(int modo);
    void impostazioniLette();
    // Ctrl+C gave the games' text a new colour (giochi.parColor or giochi.comColor).
    void coloreGiochiCambiato();
    // After the settings have been written back (the window is about to go away).
    void chiuso();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisci();
    void collega();
    void Form_Resize();
    bool Form_KeyDown(QKeyEvent* e);

    PollEventi poll_;
    std::unique_ptr<reSizer> resizer_;
    std::unique_ptr<Suoni> suoni_;
    std::unique_ptr<CambioModo> modo_;
    std::unique_ptr<FiltriTasti> filtri_;
    std::unique_ptr<MenuForm1> menu_;
    std::unique_ptr<ControlliRicerca> controlli_;
    bool chiudendo_ = false;
};

} // namespace verbolario
