#include "MenuForm1.h"

#include "Contesto.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace verbolario {

MenuForm1::MenuForm1(Form1& f) : QObject(&f), f_(f) {
    costruisciHelp();
    costruisciFile();
    costruisciAccenti();
}

MenuForm1::~MenuForm1() {
    delete mnhelp_;
    delete mnfile_;
    delete mnaccenti_;
}

void MenuForm1::costruisciHelp() {
    mnhelp_ = new QMenu("Help");
    mnhelp_->setObjectName("mnhelp");
    const std::array<const char*, 13> voci = {"Help contestuale   F1",
                                              "-",
                                              "About...",
                                              "-",
                                              "Sfondo...",
                                              "-",
                                              "Cambia dizionario",
                                              "Elimina accenti",
                                              "Formatta e ordina...",
                                              "-",
                                              "Grafico...",
                                              "-",
                                              "Enigmistica..."};
    for (size_t i = 0; i < voci.size(); ++i) {
        if (QString(voci[i]) == "-") {
            mnhlp_[i] = mnhelp_->addSeparator();
            continue;
        }
        mnhlp_[i] = mnhelp_->addAction(QString::fromUtf8(voci[i]));
        connect(mnhlp_[i], &QAction::triggered, this,
                [this, i] { mnhlp_Click(static_cast<int>(i)); });
    }
}

void MenuForm1::costruisciFile() {
    mnfile_ = new QMenu("file");
    mnfile_->setObjectName("mnfile");
    const std::array<const char*, 7> voci = {"Aggiungi termine...", "Modifica termine...",
                                             "Elimina termine...",  "-",
                                             "Salva lista...",      "Copia",
                                             "Copia tutto"};
    for (size_t i = 0; i < voci.size(); ++i) {
        if (QString(voci[i]) == "-") {
            mnMod_[i] = mnfile_->addSeparator();
            continue;
        }
        mnMod_[i] = mnfile_->addAction(QString::fromUtf8(voci[i]));
        connect(mnMod_[i], &QAction::triggered, this,
                [this, i] { mnMod_Click(static_cast<int>(i)); });
    }
    // Shown in the menu; the window itself answers the keys (Ctrl+C alone picks a colour).
    mnMod_[kCopiaTutto]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnMod_[kCopiaTutto]->setShortcutContext(Qt::WidgetShortcut);
    mnMod_[kCopiaTutto]->setShortcutVisibleInContextMenu(true);
}

void MenuForm1::costruisciAccenti() {
    mnaccenti_ = new QMenu("Accenti");
    mnaccenti_->setObjectName("mnaccenti");
    for (size_t i = 0; i < kAccenti.size(); ++i) {
        QAction* a = mnaccenti_->addAction(QString::fromUtf8(kAccenti[i]));
        connect(a, &QAction::triggered, this, [this, i] { mnacc_Click(static_cast<int>(i)); });
    }
}

void MenuForm1::Command5_Click() {
    mnhlp_[6]->setEnabled(!f_.ctx.anagrammiInCorso);
    mnhlp_[7]->setEnabled(!f_.ctx.anagrammiInCorso);
    f_.Suona(2);
    mnhelp_->popup(f_.Command5->mapToGlobal(QPoint(0, f_.Command5->height())));
    f_.fuocoSu(f_.cmdFocus);
}

void MenuForm1::mnhlp_Click(int indice) {
    f_.Suona(2);
    switch (indice) {
    case 0:
        emit f_.richiestaHelp();
        break;
    case 2:
        emit f_.richiestaAbout();
        break;
    case 4:
        emit f_.richiestaSfondo();
        break;
    case 6:
        emit f_.richiestaApriDizionario();
        break;
    case 7:
        emit f_.richiestaEliminaAccenti();
        break;
    case 8:
        emit f_.richiestaFormatta();
        break;
    case 10:
        emit f_.richiestaGrafico();
        break;
    case 12:
        emit f_.richiestaEnigmistica();
        break;
    default:
        break;
    }
}

void MenuForm1::preparaFile() {
    bool selezione = f_.List1->selezionato() >= 0;
    mnMod_[1]->setEnabled(selezione);
    mnMod_[2]->setEnabled(selezione);
    mnMod_[4]->setEnabled(f_.List1->modello().conteggio() > 0);
    mnMod_[kCopia]->setEnabled(selezione);
    mnMod_[kCopiaTutto]->setEnabled(f_.List1->modello().conteggio() > 0);
}

void MenuForm1::mostraFile(const QPoint& dove) {
    preparaFile();
    mnfile_->popup(dove);
}

void MenuForm1::mnMod_Click(int indice) {
    if (indice < 0 || indice >= static_cast<int>(mnMod_.size()) || indice == 3) return;
    if (!mnMod_[static_cast<size_t>(indice)]->isEnabled()) return;
    if (indice == kCopia) {
        copiaRiga();
        return;
    }
    if (indice == kCopiaTutto) {
        copiaTutto();
        return;
    }
    emit f_.richiestaMenuFile(indice);
}

void MenuForm1::copiaRiga() {
    const int riga = f_.List1->selezionato();
    if (riga < 0) return;
    QGuiApplication::clipboard()->setText(f_.List1->modello().riga(riga));
    f_.ScriviMessaggio(QStringLiteral("Riga copiata negli appunti."));
}

void MenuForm1::copiaTutto() {
    const auto& righe = f_.List1->modello().righe();
    if (righe.empty()) return;
    QString testo;
    for (const QString& r : righe) testo += r + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(testo);
    f_.ScriviMessaggio(righe.size() == 1
                           ? QStringLiteral("Una riga copiata negli appunti.")
                           : QStringLiteral("%1 righe copiate negli appunti.").arg(righe.size()));
}

void MenuForm1::mostraAccenti(const QPoint& dove) {
    mnaccenti_->popup(dove);
}

void MenuForm1::mnacc_Click(int indice) {
    if (indice < 0 || indice >= static_cast<int>(kAccenti.size())) return;
    QString c = QString::fromUtf8(kAccenti[static_cast<size_t>(indice)]);
    QLineEdit* box = nullptr;
    if (f_.Text1->isVisible() && f_.Text1->isEnabled()) {
        box = f_.Text1;
        if (f_.Option1(7)->isChecked()) c = c.toUpper();
    } else if (f_.Text2->isVisible() && f_.Text2->isEnabled()) {
        box = f_.Text2;
    } else if (f_.TxtMeno->isEnabled()) {
        box = f_.TxtMeno;
        c = c.toUpper();
    }
    if (!box) return;
    // At the caret; a selection stays and is not replaced.
    QString t = box->text();
    int cursore = box->cursorPosition();
    t.insert(cursore, c);
    box->setText(t);
    box->setCursorPosition(cursore + static_cast<int>(c.size()));
    box->setFocus();
}

} // namespace verbolario
