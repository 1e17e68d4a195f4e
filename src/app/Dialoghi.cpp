#include "Dialoghi.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace verbolario {

namespace {

QMessageBox::Icon iconaQt(Dialoghi::Icona i) {
    switch (i) {
    case Dialoghi::Icona::Domanda:
        return QMessageBox::Question;
    case Dialoghi::Icona::Esclamazione:
        return QMessageBox::Warning;
    case Dialoghi::Icona::Informazione:
        return QMessageBox::Information;
    case Dialoghi::Icona::Stop:
        return QMessageBox::Critical;
    case Dialoghi::Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

struct Voce {
    QString testo;
    Dialoghi::Risposta risposta;
    QMessageBox::ButtonRole ruolo;
};

std::vector<Voce> pulsantiDi(Dialoghi::Pulsanti p) {
    using R = Dialoghi::Risposta;
    switch (p) {
    case Dialoghi::Pulsanti::SiNo:
        return {{"S\u00EC", R::Si, QMessageBox::YesRole}, {"No", R::No, QMessageBox::NoRole}};
    case Dialoghi::Pulsanti::SiNoAnnulla:
        return {{"S\u00EC", R::Si, QMessageBox::YesRole},
                {"No", R::No, QMessageBox::NoRole},
                {"Annulla", R::Annulla, QMessageBox::RejectRole}};
    case Dialoghi::Pulsanti::Ok:
        break;
    }
    return {{"OK", R::Ok, QMessageBox::AcceptRole}};
}

// What closing the box with Escape or the title bar means.
Dialoghi::Risposta rispostaDiChiusura(Dialoghi::Pulsanti p) {
    switch (p) {
    case Dialoghi::Pulsanti::SiNo:
        return Dialoghi::Risposta::No;
    case Dialoghi::Pulsanti::SiNoAnnulla:
        return Dialoghi::Risposta::Annulla;
    case Dialoghi::Pulsanti::Ok:
        break;
    }
    return Dialoghi::Risposta::Ok;
}

} // namespace

Dialoghi::Risposta Dialoghi::messaggio(const QString& testo, Pulsanti pulsanti, Icona icona,
                                       int predefinito, const QString& titolo) {
    Richiesta r;
    r.tipo = Tipo::Messaggio;
    r.testo = testo;
    r.titolo = titolo;
    r.pulsanti = pulsanti;
    r.icona = icona;
    r.predefinito = predefinito;
    registro.push_back(r);
    if (suMessaggio) return suMessaggio(r);

    QMessageBox box(iconaQt(icona), titolo, testo, QMessageBox::NoButton, proprietario_);
    std::vector<Voce> voci = pulsantiDi(pulsanti);
    std::vector<QAbstractButton*> bottoni;
    for (const Voce& v : voci) bottoni.push_back(box.addButton(v.testo, v.ruolo));
    if (predefinito >= 0 && predefinito < static_cast<int>(bottoni.size()))
        box.setDefaultButton(static_cast<QPushButton*>(bottoni[predefinito]));
    box.exec();
    for (size_t i = 0; i < bottoni.size(); ++i)
        if (box.clickedButton() == bottoni[i]) return voci[i].risposta;
    return rispostaDiChiusura(pulsanti);
}

std::optional<QString> Dialoghi::input(const QString& prompt, const QString& titolo,
                                       const QString& predefinito) {
    Richiesta r;
    r.tipo = Tipo::Input;
    r.testo = prompt;
    r.titolo = titolo;
    r.valore = predefinito;
    registro.push_back(r);
    if (suInput) return suInput(r);
    bool ok = false;
    QString t =
        QInputDialog::getText(proprietario_, titolo, prompt, QLineEdit::Normal, predefinito, &ok);
    if (!ok) return std::nullopt;
    return t;
}

QString Dialoghi::apriFile(const QString& titolo, const QString& filtri, const QString& iniziale) {
    Richiesta r;
    r.tipo = Tipo::Apri;
    r.testo = titolo;
    r.filtri = filtri;
    r.valore = iniziale;
    registro.push_back(r);
    if (suFile) return suFile(r);
    return QFileDialog::getOpenFileName(proprietario_, titolo, iniziale, filtri);
}

QString Dialoghi::salvaFile(const QString& titolo, const QString& filtri, const QString& estensione,
                            const QString& iniziale) {
    Richiesta r;
    r.tipo = Tipo::Salva;
    r.testo = titolo;
    r.filtri = filtri;
    r.valore = iniziale;
    registro.push_back(r);
    if (suFile) return suFile(r);
    QFileDialog dlg(proprietario_, titolo, iniziale, filtri);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(estensione);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
}

void Dialoghi::beep() {
    ++beepSuonati;
    QApplication::beep();
}

} // namespace verbolario
