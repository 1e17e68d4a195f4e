#pragma once

#include <QObject>

#include <memory>

namespace verbolario {

class Contesto;
class FinestraHelp;
class Form1;
class frmOpt;
class frmSplash;

// The program's windows from start to end. Start-up shows the splash while the dictionary
// loads and then the main window; with no dictionary to load it shows only the options
// window, from which the user finds or creates one, and the main window opens once a
// dictionary is loaded there. `finito` says the program is over.
class Programma final : public QObject {
    Q_OBJECT
public:
    explicit Programma(Contesto& ctx);
    ~Programma() override;

    // False when the program is to end at once ("Exit" on the splash during the load).
    bool avvia();

    Form1* form1() const { return form1_.get(); }
    frmOpt* opzioni() const { return opzioni_.get(); }
    frmSplash* splash() const { return splash_.get(); }

    // The session is ending: the main window closes without questions.
    void chiusuraDiSistema();

signals:
    void finito();

private:
    // Loads the dictionary under the splash; false when the user asked to quit meanwhile.
    bool caricaConSplash(bool statisticheSalvate);
    void apriForm1();
    void mostraOpzioni();

    Contesto& ctx_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmOpt> opzioni_;
    std::unique_ptr<FinestraHelp> help_;
    std::unique_ptr<Form1> form1_;
};

} // namespace verbolario
