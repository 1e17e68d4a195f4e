#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace verbolario {

class Contesto;
class Form1;

// The options window, in two roles:
//  - Sfondo: opened over the main window by "Sfondo...", it shows only the background frame
//    (style, blue of the fades, letter pattern, tile picture) and repaints the main window
//    at every change;
//  - Dizionario: shown at start-up when no dictionary could be found, it is the only window
//    of the program and offers to look for a dictionary file, to create a starter one, or
//    to quit. Once it closes without having loaded a dictionary the program is over.
class frmOpt final : public QDialog {
    Q_OBJECT
public:
    enum class Ruolo { Sfondo, Dizionario };

    // f is the main window the background belongs to (null in the Dizionario role).
    frmOpt(Contesto& ctx, Form1* f, Ruolo ruolo, QWidget* parent = nullptr);
    ~frmOpt() override;

    Ruolo ruolo() const { return ruolo_; }
    // Topic of the help: 900 for the background frame, 1000 for the dictionary commands.
    int argomentoHelp() const;

    // Opens a file with the desktop's program for it; replaceable so that tests need none.
    std::function<bool(const QString&)> apriConProgramma;

    static const QString kAvviso;
    static const QString& filtriImmagini();
    static const QString& filtriDizionario();

    // Controls.
    QGroupBox* Frame6 = nullptr;
    std::array<QRadioButton*, 6> Option1{};
    QPushButton* CmdTile = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check5 = nullptr;
    std::array<QPushButton*, 4> Command1{}; // Crea dizionario, Cerca dizionario, Fine, OK
    QPushButton* Command2 = nullptr;        // help
    QLabel* Label1 = nullptr;

    void Option1_Click(int i);
    void CmdTile_Click();
    void HScroll1_Change(int valore);
    void Command1_Click(int indice);

signals:
    // "Cerca dizionario" loaded a dictionary into the context: the main window can open.
    void dizionarioCaricato();
    void richiestaHelp(int argomento);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void costruisci();
    QWidget* costruisciCornice();
    QWidget* costruisciAvviso();
    QLayout* costruisciComandi();
    void Form_Activate();
    void ridisegnaForm1();
    void mostraScala(int stile);
    // Asks for a tile picture and loads it; false when the user cancelled or it cannot be read.
    bool scegliMattonella();
    void creaDizionario();
    void cercaDizionario();

    Contesto& ctx_;
    Form1* f_;
    Ruolo ruolo_;
    QWidget* avviso_ = nullptr; // the notice with its icon
    QLabel* blu_ = nullptr;     // the blue scale's caption
    bool attivato_ = false;
};

} // namespace verbolario
