#include "ManutenzioneDizionario.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/BarraProgresso.h"
#include "controls/ucTast.h"
#include "dictionary/EraseAccent.h"
#include "dictionary/Ripulisci.h"
#include "mainform/ComandiDizionario.h"
#include "mainform/Form1.h"
#include "mainform/LavoroForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MenuForm1.h"

#include <QAction>
#include <QMenu>

namespace verbolario {

namespace {

QString qs(std::string_view s) {
    return testo::daCp1252(s);
}

} // namespace

ManutenzioneDizionario::ManutenzioneDizionario(Form1& f, ComandiDizionario& comandi)
    : QObject(&f), f_(f), comandi_(comandi) {
    connect(&f_, &Form1::richiestaFormatta, this, &ManutenzioneDizionario::Formatta);
    connect(&f_, &Form1::richiestaEliminaAccenti, this, &ManutenzioneDizionario::EliminaAccenti);
    // The menu enables its entries as it opens; once used, this one stays off for the run.
    connect(f_.menu().mnhelp(), &QMenu::aboutToShow, this, [this] {
        if (QAction* a = voceEliminaAccenti(); a && accentiGiaEliminati_) a->setEnabled(false);
    });
}

QAction* ManutenzioneDizionario::voceEliminaAccenti() const {
    for (QAction* a : f_.menu().mnhelp()->actions())
        if (a->text() == QStringLiteral("Elimina accenti")) return a;
    return nullptr;
}

void ManutenzioneDizionario::Formatta() {
    Contesto& ctx = f_.ctx;
    if (!LavoroForm1::libero(f_)) return;
    // The trailing blanks widen the box so that its lines do not wrap.
    if (ctx.dialoghi.messaggio(qs(kDomandaRipulisci) + QString(60, ' '), Dialoghi::Pulsanti::SiNo,
                               Dialoghi::Icona::Informazione) != Dialoghi::Risposta::Si) {
        ctx.dialoghi.beep();
        return;
    }
    LavoroForm1 lavoro(f_);
    f_.List1->modello().svuota();
    EsitoRipulisci e = Ripulisci(ctx.voci, ctx.statistiche, f_.poll(), [&](std::string_view fase) {
        lavoro.stato(qs(fase), true);
        ctx.dialoghi.beep();
    });
    if (!e.messaggio.empty())
        ctx.dialoghi.messaggio(qs(e.messaggio), Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop);
    if (e.ok) {
        f_.setWindowTitle(QString("%1  -> %2 voci nel dizionario")
                              .arg(Dialoghi::kTitolo)
                              .arg(ctx.voci.upperBound()));
        f_.Pic1->setScala(static_cast<double>(ctx.voci.upperBound()));
        comandi_.ricalcolaIntervallo();
    }
    lavoro.stato(qs(e.rapporto), true);
    ctx.dialoghi.beep();
    if (e.modificato()) {
        ctx.dizionarioRiformattato = true;
        ctx.dizionarioModificato = true;
    }
}

void ManutenzioneDizionario::EliminaAccenti() {
    Contesto& ctx = f_.ctx;
    if (!LavoroForm1::libero(f_) || accentiGiaEliminati_) return;
    if (ctx.dialoghi.messaggio(qs(kDomandaEraseAccent), Dialoghi::Pulsanti::SiNo,
                               Dialoghi::Icona::Informazione) != Dialoghi::Risposta::Si)
        return;
    LavoroForm1 lavoro(f_);
    f_.List1->modello().svuota();
    if (f_.Tast1->isVisible()) f_.Tast1->ClearButton();
    lavoro.stato(qs(kFaseEraseAccent), true);
    EsitoEraseAccent e = EraseAccent(ctx.voci, f_.poll(),
                                     [&](std::string_view fase) { lavoro.stato(qs(fase), true); });
    if (e.interrotto) {
        // Nothing was changed, so the command stays available.
        lavoro.stato(QStringLiteral("Eliminazione accenti interrotta: il dizionario non "
                                    "\u00E8 stato modificato."),
                     true);
        return;
    }
    if (e.modificato()) {
        ctx.accentiEliminati = true;
        ctx.dizionarioModificato = true;
    }
    ctx.dialoghi.beep();
    accentiGiaEliminati_ = true;
    if (QAction* a = voceEliminaAccenti()) a->setEnabled(false);
    lavoro.stato(qs(rapportoEraseAccent(e)), true);
    f_.setWindowTitle(QString("%1  ->  %2 voci nel dizionario")
                          .arg(Dialoghi::kTitolo)
                          .arg(ctx.voci.upperBound() - e.doppioni));
    ctx.dialoghi.beep();
}

} // namespace verbolario
