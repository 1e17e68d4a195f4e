#include "SfogliaForm1.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/ucTast.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"
#include "search/Sfoglia.h"
#include "search/Spazi.h"
#include "text/Cp1252.h"

#include <QLineEdit>

#include <new>

namespace verbolario {

namespace {

// Clears a flag when the handler leaves, whichever way it leaves.
class Bandiera {
public:
    explicit Bandiera(bool& b) : b_(b) { b_ = true; }
    ~Bandiera() { b_ = false; }
    Bandiera(const Bandiera&) = delete;
    Bandiera& operator=(const Bandiera&) = delete;

private:
    bool& b_;
};

void mostraErrore(Form1& f, const std::exception& e) {
    QString testo = dynamic_cast<const std::bad_alloc*>(&e)
                        ? QStringLiteral("Memoria insufficiente per mostrare la lista.")
                        : QString::fromLocal8Bit(e.what());
    f.ctx.dialoghi.messaggio(testo, Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Esclamazione);
}

void avvisaCapacita(Form1& f, const RisultatoRicerca& r) {
    if (!r.messaggio.empty())
        f.ctx.dialoghi.messaggio(testo::daCp1252(r.messaggio), Dialoghi::Pulsanti::Ok,
                                 Dialoghi::Icona::Esclamazione);
}

} // namespace

SfogliaForm1::SfogliaForm1(Form1& f) : QObject(&f), f_(f) {
    connect(f_.Text2, &QLineEdit::textChanged, this, &SfogliaForm1::Text2_Change);
    connect(f_.Tast1, &ucTast::mouseDown, this, &SfogliaForm1::Tast1_MouseDown);
}

bool SfogliaForm1::impegnato() const {
    return inCorso_ || f_.ctx.ricercaInCorso;
}

void SfogliaForm1::Text2_Change() {
    if (f_.ctx.occupato || impegnato()) return;
    Bandiera inCorso(inCorso_);
    // The groups come from an index, or before it exists from one pass over the entries (a few
    // hundredths of a second on millions of words), so no input needs to run meanwhile: keys
    // typed during the rebuild then arrive in order afterwards instead of being refused.
    NoPoll subito;
    try {
        const std::string testo = testo::aCp1252(f_.Text2->text());
        ModelloRisultati& m = f_.List1->modello();
        const std::string prima = m.conteggio() > 0 ? testo::aCp1252(m.riga(0)) : std::string();
        int64_t scelta = -1;
        bool ricostruita = serveRicostruire(prima, testo);
        if (ricostruita) {
            f_.Tast1->ClearButton();
            RisultatoRicerca r = SfogliaTesto(testo, f_.ctx.voci, subito);
            avvisaCapacita(f_, r);
            riempiList1(f_, r.righe);
            f_.List1->setUpdatesEnabled(true);
            scelta = r.selezionato;
        } else {
            scelta = f_.List1->trovaInizio(testo::daCp1252(trimSpazi(testo)));
        }
        f_.List1->seleziona(static_cast<int>(scelta));
        // The lines change only with a rebuild, and measuring them all is the costly part.
        if (ricostruita)
            adattaList1(f_);
        else
            f_.superficie.ImpostaFont();
        f_.ScriviMessaggio(
            testo::daCp1252(statoSfoglia(static_cast<size_t>(m.conteggio()), scelta, testo)), 1,
            false);
    } catch (const std::exception& e) {
        mostraErrore(f_, e);
    }
}

void SfogliaForm1::Tast1_MouseDown(int button, int shift, double x, double y) {
    (void)shift;
    if ((x == 0 && y == 0) || button != 1 || impegnato()) return;
    const std::string sel = cp1252::lowered(testo::aCp1252(f_.Tast1->Selezione()));
    if (sel.empty()) return;
    Bandiera inCorso(inCorso_);
    f_.ctx.occupato = true;
    f_.Text2->clear();
    f_.ctx.occupato = false;
    f_.setCursor(Qt::WaitCursor);
    f_.List1->modello().svuota();
    f_.Suona(2);
    f_.ScriviMessaggio("Ricerca in corso . . . . .", 1, true);
    NoPoll subito;
    try {
        RisultatoRicerca r = SfogliaLettera(sel.front(), f_.ctx.voci, subito);
        avvisaCapacita(f_, r);
        riempiList1(f_, r.righe);
        f_.List1->setUpdatesEnabled(true);
        f_.unsetCursor();
        f_.ScriviMessaggio(testo::daCp1252(r.stato), 1, false);
        adattaList1(f_);
    } catch (const std::exception& e) {
        f_.unsetCursor();
        mostraErrore(f_, e);
    }
}

} // namespace verbolario
