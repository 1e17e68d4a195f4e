#include "MenuEnigmistica.h"

#include "Dialoghi.h"
#include "TestoCp.h"
#include "dictionary/SaveDictionary.h"
#include "mainform/MenuForm1.h"
#include "windows/ModelloRighe.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>

#include <algorithm>

namespace verbolario {

MenuEnigmistica::MenuEnigmistica(QListView& lista, ModelloRighe& modello, QLineEdit& testo,
                                 Dialoghi& dialoghi, QObject* parent)
    : QObject(parent), vista_(lista), modello_(modello), testo_(testo), dialoghi_(dialoghi) {
    lista_ = new QMenu("Lista");
    lista_->setObjectName("menuLista");
    copia_ = lista_->addAction("Copia");
    copiaTutto_ = lista_->addAction("Copia tutto");
    lista_->addSeparator();
    salva_ = lista_->addAction("Salva lista...");
    connect(copia_, &QAction::triggered, this, &MenuEnigmistica::copia);
    connect(copiaTutto_, &QAction::triggered, this, &MenuEnigmistica::copiaTutto);
    connect(salva_, &QAction::triggered, this, &MenuEnigmistica::salvaLista);

    accenti_ = new QMenu("Accenti");
    accenti_->setObjectName("menuAccenti");
    for (size_t i = 0; i < MenuForm1::kAccenti.size(); ++i) {
        QAction* a = accenti_->addAction(QString::fromUtf8(MenuForm1::kAccenti[i]));
        connect(a, &QAction::triggered, this, [this, i] { inserisciAccento(static_cast<int>(i)); });
    }
}

MenuEnigmistica::~MenuEnigmistica() {
    delete lista_;
    delete accenti_;
}

void MenuEnigmistica::preparaLista() {
    const bool piena = !modello_.righe().empty();
    copia_->setEnabled(piena && vista_.selectionModel()->hasSelection());
    copiaTutto_->setEnabled(piena);
    salva_->setEnabled(piena);
}

void MenuEnigmistica::mostraLista(const QPoint& dove) {
    preparaLista();
    lista_->popup(dove);
}

void MenuEnigmistica::mostraAccenti(const QPoint& dove) {
    accenti_->popup(dove);
}

void MenuEnigmistica::copia() {
    QList<int> righe;
    for (const QModelIndex& i : vista_.selectionModel()->selectedRows()) righe << i.row();
    if (righe.isEmpty()) return;
    std::sort(righe.begin(), righe.end());
    QStringList testo;
    for (int r : righe) testo << modello_.testo(r);
    QGuiApplication::clipboard()->setText(testo.join('\n'));
}

void MenuEnigmistica::copiaTutto() {
    if (modello_.righe().empty()) return;
    QStringList testo;
    testo.reserve(static_cast<qsizetype>(modello_.righe().size()));
    for (const std::string& r : modello_.righe()) testo << testo::daCp1252(r);
    QGuiApplication::clipboard()->setText(testo.join('\n'));
}

void MenuEnigmistica::salvaLista() {
    if (modello_.righe().empty()) return;
    const QString percorso = dialoghi_.salvaFile({}, "File di testo (*.txt)", "txt");
    if (percorso.isEmpty()) return;
    const EsitoSalvataggio e =
        SalvaLista(modello_.righe(), QFile::encodeName(percorso).toStdString());
    if (!e.ok)
        dialoghi_.messaggio(testo::daCp1252(e.errore), Dialoghi::Pulsanti::Ok,
                            Dialoghi::Icona::Stop);
}

void MenuEnigmistica::inserisciAccento(int indice) {
    if (indice < 0 || indice >= static_cast<int>(MenuForm1::kAccenti.size())) return;
    testo_.insert(QString::fromUtf8(MenuForm1::kAccenti[static_cast<size_t>(indice)]));
    testo_.setFocus();
}

} // namespace verbolario
