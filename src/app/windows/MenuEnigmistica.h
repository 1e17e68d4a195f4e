#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QLineEdit;
class QListView;
class QMenu;

namespace verbolario {

class Dialoghi;
class ModelloRighe;

// The pop-up menus of the "Enigmistica" window: on the result list "Copia" (the selected
// lines), "Copia tutto" and "Salva lista..."; in the input box the accented vowels, which an
// Italian word often needs and many keyboards lack.
class MenuEnigmistica final : public QObject {
    Q_OBJECT
public:
    MenuEnigmistica(QListView& lista, ModelloRighe& modello, QLineEdit& testo, Dialoghi& dialoghi,
                    QObject* parent);
    ~MenuEnigmistica() override;

    // The list's menu at a point of the screen, its entries enabled by what the list holds.
    void mostraLista(const QPoint& dove);
    void preparaLista();
    void mostraAccenti(const QPoint& dove);

    // The selected lines, in list order, one per line of the clipboard.
    void copia();
    void copiaTutto();
    // Asks for a file and writes the list there (Windows-1252, CR LF).
    void salvaLista();
    // Inserts accented vowel `indice` of the accents menu at the input box's caret.
    void inserisciAccento(int indice);

    QMenu* menuLista() const { return lista_; }
    QMenu* menuAccenti() const { return accenti_; }
    QAction* azioneCopia() const { return copia_; }
    QAction* azioneCopiaTutto() const { return copiaTutto_; }
    QAction* azioneSalva() const { return salva_; }

private:
    QListView& vista_;
    ModelloRighe& modello_;
    QLineEdit& testo_;
    Dialoghi& dialoghi_;
    QMenu* lista_ = nullptr;
    QMenu* accenti_ = nullptr;
    QAction* copia_ = nullptr;
    QAction* copiaTutto_ = nullptr;
    QAction* salva_ = nullptr;
};

} // namespace verbolario
