#include "ApriDizionario.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/BarraProgresso.h"
#include "controls/ucTast.h"
#include "dictionary/CaricaDizionario.h"
#include "mainform/ComandiDizionario.h"
#include "mainform/Form1.h"
#include "mainform/LavoroForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/UscitaForm1.h"

#include <QFile>
#include <QLineEdit>

namespace verbolario {

ApriDizionario::ApriDizionario(Form1& f, ComandiDizionario& comandi)
    : QObject(&f), f_(f), comandi_(comandi) {
    connect(&f_, &Form1::richiestaApriDizionario, this, &ApriDizionario::Command4_Click);
}

const QString& ApriDizionario::filtri() {
    static const QString f = QStringLiteral("Dizionari      *.dic (*.dic);;"
                                            "File di testo  *.txt (*.txt);;"
                                            "Tutti i file      *.* (*)");
    return f;
}

void ApriDizionario::Command4_Click() {
    if (!LavoroForm1::libero(f_)) return;
    const QString percorso = f_.ctx.dialoghi.apriFile("Apri un nuovo dizionario", filtri());
    if (!percorso.isEmpty() && salvaPrima()) carica(percorso);
    f_.unsetCursor();
    f_.fuocoSu(f_.Text2);
    f_.mostraStop(false);
    f_.ctx.interrompi = false;
}

bool ApriDizionario::salvaPrima() {
    Contesto& ctx = f_.ctx;
    if (!ctx.dizionarioModificato) return true;
    QString domanda;
    int predefinito = 0;
    UscitaForm1::domandaSalvataggio(f_, domanda, predefinito);
    if (ctx.dialoghi.messaggio(domanda, Dialoghi::Pulsanti::SiNo, Dialoghi::Icona::Domanda,
                               predefinito) != Dialoghi::Risposta::Si)
        return true;
    return comandi_.SaveDictionary() != ComandiDizionario::EsitoSalva::Fallito;
}

void ApriDizionario::carica(const QString& percorso) {
    Contesto& ctx = f_.ctx;
    LavoroForm1 lavoro(f_);
    f_.List1->modello().svuota();
    f_.Tast1->ClearButton();
    ctx.occupato = true; // not a browse request
    f_.Text2->clear();
    lavoro.stato("Attendere, caricamento nuovo dizionario in corso....", false);
    // Read aside: a file that cannot be read leaves the dictionary in use as it was, rather
    // than an empty one that a later save would write over the old file.
    Voci nuove;
    EsitoCaricamento e =
        CaricaDizionario(QFile::encodeName(percorso).toStdString(), nuove, f_.poll());
    if (e.ok) {
        caricato(nuove, e, percorso, lavoro);
    } else {
        ctx.dialoghi.messaggio(testo::daCp1252(e.errore));
        lavoro.stato("Errore nel caricamento del nuovo dizionario.", false);
    }
}

void ApriDizionario::caricato(Voci& nuove, const EsitoCaricamento& e, const QString& percorso,
                              LavoroForm1& lavoro) {
    Contesto& ctx = f_.ctx;
    ctx.adottaDizionario(std::move(nuove), percorso, !e.interrotto, f_.poll());
    if (e.interrotto) {
        lavoro.stato("Caricamento interrotto!\r\nDizionario incompleto", true);
        ctx.dialoghi.beep();
    } else {
        lavoro.stato("Terminato di caricare il nuovo dizionario.", false);
    }
    f_.aggiornaTitolo();
    f_.Pic1->setScala(static_cast<double>(ctx.voci.upperBound()));
    comandi_.ricalcolaIntervallo();
}

} // namespace verbolario
