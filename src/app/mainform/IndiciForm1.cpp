#include "IndiciForm1.h"

#include "Contesto.h"
#include "IndiciInFondo.h"
#include "mainform/Form1.h"

#include <QCheckBox>
#include <QTimer>

namespace verbolario {

IndiciForm1::IndiciForm1(Form1& f) : QObject(&f), f_(f) {
    inFondo_ = new IndiciInFondo(
        f.ctx.voci, [&ctx = f.ctx] { return !ctx.ricercaInCorso; }, this);
    connect(&f_, &Form1::modoCambiato, this, &IndiciForm1::richiediPerModo);
    connect(&f_, &Form1::richiestaAvvio, this, &IndiciForm1::richiediPerModo);
    connect(f_.Check5, &QCheckBox::clicked, this, &IndiciForm1::richiediPerModo);
    // After the commands that change or replace the dictionary (connected before this one,
    // so they have run): the new entries want their indexes.
    for (auto segnale : {&Form1::richiestaApriDizionario, &Form1::richiestaFormatta,
                         &Form1::richiestaEliminaAccenti})
        connect(&f_, segnale, this, &IndiciForm1::richiediPerModo);
    connect(&f_, &Form1::richiestaMenuFile, this, &IndiciForm1::richiediPerModo);
}

std::vector<Indice> IndiciForm1::perModo(int modo, bool frasi) {
    const Indice anagrammi = frasi ? Indice::AnagrammiFrasi : Indice::AnagrammiParole;
    switch (modo) {
    case 0:
        return {Indice::Rime};
    case 2:
    case 6:
        return {anagrammi};
    case 3:
        return {Indice::Palindromi};
    case 5:
        return {Indice::Sfoglia};
    case 4:
    case 7:
    case 9:
        return {Indice::Modello};
    default:
        return {}; // the guessing and the timed game read the entries directly
    }
}

void IndiciForm1::richiediPerModo() {
    // Asked in reverse, since each request goes before the earlier ones.
    const std::vector<Indice> servono = perModo(f_.ModoCorrente, f_.ModoFrasi);
    for (auto it = servono.rbegin(); it != servono.rend(); ++it) inFondo_->richiedi(*it);
    if (parole_) inFondo_->accoda(Indice::Parole);
}

void IndiciForm1::vuoleParole(bool si) {
    parole_ = si;
    if (si) inFondo_->accoda(Indice::Parole);
}

} // namespace verbolario
