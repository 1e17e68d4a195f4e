#pragma once

#include <QObject>

class QTimer;

namespace verbolario {

class Form1;
class AvvioRicerca;
class ComandiDizionario;
class ApriDizionario;
class ManutenzioneDizionario;
class SfogliaForm1;
class LettereComuniForm1;
class IndiciForm1;

// The commands of the main window, each wired to the control or signal that asks for it.
// They live as long as the window (they are its children).
class ComandiForm1 final : public QObject {
    Q_OBJECT
public:
    explicit ComandiForm1(Form1& f);

    // The commands of a window that has them installed, else nullptr.
    static ComandiForm1* di(Form1& f);

    AvvioRicerca* avvio = nullptr;
    ComandiDizionario* dizionario = nullptr;
    ApriDizionario* apri = nullptr;
    ManutenzioneDizionario* manutenzione = nullptr;
    SfogliaForm1* sfoglia = nullptr;
    LettereComuniForm1* comuni = nullptr;
    IndiciForm1* indici = nullptr;

protected:
    // Closing the window while long work runs: the work is asked to stop, and the window
    // closes (with its questions) once it has ended, never over a half-done dictionary.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Form1& f_;
    QTimer* chiusura_ = nullptr;
};

// Builds the commands of the window; call once, right after creating it.
ComandiForm1& installaComandi(Form1& f);

} // namespace verbolario
