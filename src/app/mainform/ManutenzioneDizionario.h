#pragma once

#include <QObject>

class QAction;

namespace verbolario {

class Form1;
class ComandiDizionario;

// The Help menu's bulk commands over the whole dictionary: "Formatta e ordina..." (any text
// made into a clean, sorted word list) and "Elimina accenti" (usable once per run).
class ManutenzioneDizionario final : public QObject {
    Q_OBJECT
public:
    ManutenzioneDizionario(Form1& f, ComandiDizionario& comandi);

    void Formatta();
    void EliminaAccenti();

private:
    QAction* voceEliminaAccenti() const;

    Form1& f_;
    ComandiDizionario& comandi_;
    bool accentiGiaEliminati_ = false;
};

} // namespace verbolario
