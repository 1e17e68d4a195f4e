#pragma once

#include <QObject>
#include <QString>

namespace verbolario {

class Form1;
class ComandiDizionario;
class LavoroForm1;
struct EsitoCaricamento;
class Voci;

// "Dizionari..." (Command4) and the Help menu's "Cambia dizionario": opens another
// dictionary file in place of the one in use, offering first to save the changes made.
class ApriDizionario final : public QObject {
    Q_OBJECT
public:
    ApriDizionario(Form1& f, ComandiDizionario& comandi);

    void Command4_Click();

    // Filters of the open dialog.
    static const QString& filtri();

private:
    // False when the user wanted the changes saved and the save failed: nothing is loaded
    // then, or the changes would be lost.
    bool salvaPrima();
    void carica(const QString& percorso);
    void caricato(Voci& nuove, const EsitoCaricamento& e, const QString& percorso,
                  LavoroForm1& lavoro);

    Form1& f_;
    ComandiDizionario& comandi_;
};

} // namespace verbolario
