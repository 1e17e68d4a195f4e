#pragma once

#include "PollEventi.h"
#include "mainform/ListaRisultati.h"
#include "search/Relazioni.h"
#include "windows/ModelloRighe.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;

namespace verbolario {

class Form1;
class MenuEnigmistica;

// "Enigmistica": the word-play relations of the puzzle magazines over the dictionary in use.
// The user picks a relation, types a word (or a text, for phrase anagrams) and starts the
// search with the start button or Enter; the stop button, Esc or Enter stop it. The result
// list has no size limit; a double click searches a line's word again with the same
// relation. The window paints the main window's background, writes its count in a status
// band the way the main window does, and keeps its relation and place in the settings.
//
// While it searches it holds the program's search flags, so the main window's commands that
// change the dictionary wait, and it does not start while the main window is at work. While
// it is open the word orders of the relations are built behind it (after the main window's
// mode has its indexes); until they exist each search looks at every entry once.
class FinestraEnigmistica final : public QWidget {
    Q_OBJECT
public:
    explicit FinestraEnigmistica(Form1& f);
    ~FinestraEnigmistica() override;

    // Controls.
    QComboBox* Scelta = nullptr;
    QLineEdit* Testo = nullptr;
    QPushButton* Avvio = nullptr;
    QPushButton* Stop = nullptr;
    QCheckBox* TreParti = nullptr;
    QSpinBox* Parole = nullptr;
    QSpinBox* Minimo = nullptr;
    QListView* Lista = nullptr;

    Relazione relazione() const;
    ModelloRighe& modello() { return modello_; }
    MenuEnigmistica& menu() { return *menu_; }
    // The status band's text.
    const QString& stato() const { return stato_; }
    bool inCorso() const { return inCorso_; }
    PollEventi& poll() { return poll_; }

    // Start (the button, Enter): runs the chosen relation on the box's text; while a search
    // runs, a stop request instead.
    void avvia();
    // Stop (the button, Esc).
    void ferma();
    // A double click: the line's word goes into the box and is searched again.
    void cercaRiga(int riga);

signals:
    // F1: the help at this window's topic.
    void richiestaHelp();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    class Lavoro;

    void costruisci();
    QWidget* costruisciComandi();
    void aggiungiTesto(QGridLayout& g);
    void aggiungiOpzioni(QGridLayout& g);
    void collega();
    void leggiImpostazioni();
    void scriviPosizione();
    void cambiaRelazione(int indice);
    OpzioniRelazione opzioni() const;
    void mostraEsito(RisultatoRicerca r);
    // The status band; a hint gives way to comment mode, as in the main window.
    void scriviStato(const QString& testo, bool suggerimento = false);
    void ridipingiSfondo();
    // Tells the main window's indexes whether this window wants the word orders.
    void vuoleParole(bool si);
    // A search starts (true) or has ended: the program's flags, the buttons, the focus.
    void inLavoro(bool si);

    Form1& f_;
    PollEventi poll_;
    ModelloRighe modello_;
    DelegatoTabulazione delegato_;
    MenuEnigmistica* menu_ = nullptr;
    QLabel* etichettaTesto_ = nullptr;
    QWidget* opzioniFrase_ = nullptr; // the phrase anagrams' two settings
    QImage sfondo_;
    QString stato_;
    bool inCorso_ = false;
    bool chiudiDopo_ = false; // closed during a search: close once it has stopped
};

} // namespace verbolario
