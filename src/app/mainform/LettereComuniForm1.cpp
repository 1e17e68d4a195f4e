#include "LettereComuniForm1.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "mainform/Form1.h"
#include "mainform/LavoroForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"
#include "search/CercaComuni.h"

#include <QCoreApplication>

namespace verbolario {

LettereComuniForm1::LettereComuniForm1(Form1& f) : QObject(&f), f_(f) {
    connect(&f_, &Form1::richiestaLettereComuni, this, &LettereComuniForm1::esegui);
}

void LettereComuniForm1::esegui() {
    // An empty list has no words to compare; a running search is about to replace it.
    if (!LavoroForm1::libero(f_) || f_.List1->modello().conteggio() == 0) return;
    LavoroForm1 lavoro(f_);
    QCoreApplication::processEvents();
    f_.superficie.pulisciDisegno();
    f_.update();
    RisultatoRicerca r = CercaComuni(righeList1(f_), f_.poll());
    riempiList1(f_, r.righe);
    f_.ScriviMessaggio(testo::daCp1252(r.stato), 1, false);
}

} // namespace verbolario
