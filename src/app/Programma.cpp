#include "Programma.h"

#include "Avvio.h"
#include "Contesto.h"
#include "mainform/Form1.h"
#include "windows/FinestraHelp.h"
#include "windows/frmOpt.h"
#include "windows/frmSplash.h"

#include <QCoreApplication>

namespace verbolario {

Programma::Programma(Contesto& ctx) : ctx_(ctx) {}

Programma::~Programma() = default;

bool Programma::avvia() {
    const Avvio::Scelta scelta = Avvio::scegliDizionario(ctx_);
    if (scelta == Avvio::Scelta::Nessuno) {
        mostraOpzioni();
        return true;
    }
    // The stored statistics describe the recorded dictionary, not the default one.
    if (!caricaConSplash(scelta == Avvio::Scelta::Registrato)) return false;
    apriForm1();
    return true;
}

bool Programma::caricaConSplash(bool statisticheSalvate) {
    splash_ = std::make_unique<frmSplash>(ctx_);
    splash_->show();
    splash_->repaint();
    QCoreApplication::processEvents();
    Avvio::caricaDizionario(ctx_, statisticheSalvate);
    if (splash_->uscitaChiesta()) {
        ctx_.voci.clear();
        splash_.reset();
        return false;
    }
    ctx_.interrompi = false;
    return true;
}

void Programma::apriForm1() {
    form1_ = Avvio::creaForm1(ctx_);
    splash_.reset();
    QCoreApplication::processEvents();
    connect(form1_.get(), &Form1::chiuso, this, &Programma::finito);
}

void Programma::mostraOpzioni() {
    opzioni_ = std::make_unique<frmOpt>(ctx_, nullptr, frmOpt::Ruolo::Dizionario);
    ctx_.dialoghi.impostaProprietario(opzioni_.get());
    connect(opzioni_.get(), &frmOpt::richiestaHelp, this, [this](int argomento) {
        if (!help_) help_ = std::make_unique<FinestraHelp>();
        help_->mostraArgomento(argomento);
    });
    connect(opzioni_.get(), &frmOpt::dizionarioCaricato, this, &Programma::apriForm1);
    // Closed without a dictionary (OK, Fine, the close button): nothing is left to run.
    connect(opzioni_.get(), &QDialog::finished, this, [this] {
        if (help_) help_->close();
        if (!form1_) emit finito();
    });
    opzioni_->show();
}

void Programma::chiusuraDiSistema() {
    if (!form1_) return;
    form1_->chiusuraDiSistema = true;
    form1_->close();
}

} // namespace verbolario
