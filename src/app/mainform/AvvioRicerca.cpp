#include "AvvioRicerca.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/BarraProgresso.h"
#include "mainform/Form1.h"
#include "mainform/LavoroForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"
#include "search/Anagrammi.h"
#include "search/CercaPalindromi.h"
#include "search/CercaScambi.h"
#include "search/RicercaModello.h"
#include "search/Spazi.h"
#include "search/TrovaRima.h"
#include "search/TuttiAnagrammi.h"
#include "text/Cp1252.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <new>

namespace verbolario {

namespace {

const QString kRicercaInCorso = QStringLiteral("Ricerca in corso. . . . . . .");

// The whole-dictionary anagram search is announced to the rest of the window (no sub-mode
// change, no save question on exit) for exactly as long as it runs.
class AnagrammiInCorso {
public:
    AnagrammiInCorso(Contesto& ctx, bool attivo) : ctx_(ctx) { ctx_.anagrammiInCorso = attivo; }
    ~AnagrammiInCorso() { ctx_.anagrammiInCorso = false; }
    AnagrammiInCorso(const AnagrammiInCorso&) = delete;
    AnagrammiInCorso& operator=(const AnagrammiInCorso&) = delete;

private:
    Contesto& ctx_;
};

// All the groups of a large dictionary fill far more than the list: it takes whole groups
// only, ending with the last group's separator that fits.
void taglioPerGruppi(RisultatoRicerca& r) {
    if (r.righe.size() <= kCapacitaList1) return;
    size_t n = kCapacitaList1;
    while (n > 0 && r.righe[n - 1] != kSeparatoreAnagrammi) --n;
    r.righe.resize(n);
    r.messaggio = kCapacitaSuperata;
}

QString descrizione(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("Memoria insufficiente per completare la ricerca.");
    return QStringLiteral("Errore durante la ricerca: ") + QString::fromLocal8Bit(e.what());
}

} // namespace

AvvioRicerca::AvvioRicerca(Form1& f) : QObject(&f), f_(f) {
    connect(&f_, &Form1::richiestaAvvio, this, &AvvioRicerca::Command1_Click);
}

void AvvioRicerca::impostaRamo(int modo, std::function<bool()> ramo) {
    if (modo >= 0 && modo < static_cast<int>(rami_.size()))
        rami_[static_cast<size_t>(modo)] = std::move(ramo);
}

int AvvioRicerca::modoScelto() const {
    int i = 0;
    while (i < 10 && !f_.Option1(i)->isChecked()) ++i;
    return i;
}

void AvvioRicerca::Command1_Click() {
    Contesto& ctx = f_.ctx;
    if (ctx.occupato || ctx.ricercaInCorso) return;
    LavoroForm1 lavoro(f_, false);
    f_.Suona(2);
    const std::string testo = cp1252::lowered(trimSpazi(testo::aCp1252(f_.Text1->text())));
    f_.Pic1->pulisci();
    QCoreApplication::processEvents();
    const int modo = modoScelto();
    QCoreApplication::processEvents();
    try {
        if (esegui(modo, testo, lavoro)) adattaList1(f_);
    } catch (const std::exception& e) {
        f_.Text1->setEnabled(true);
        ctx.dialoghi.messaggio(descrizione(e), Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop);
    }
}

bool AvvioRicerca::esegui(int modo, const std::string& testo, LavoroForm1& lavoro) {
    switch (modo) {
    case 0:
        return cercaRime(testo, lavoro);
    case 2:
        return cercaAnagrammi(testo, lavoro);
    case 3:
        return cercaPalindromi(lavoro);
    case 4:
        return cercaScambi(testo, lavoro);
    case 5:
        return true; // browsing follows the typing, not the button
    case 7:
    case 9:
        return cercaModello(modo == 9, lavoro);
    default:
        if (modo >= 0 && modo < 10 && rami_[static_cast<size_t>(modo)])
            return rami_[static_cast<size_t>(modo)]();
        return true;
    }
}

bool AvvioRicerca::cercaRime(const std::string& testo, LavoroForm1& lavoro) {
    if (testo.size() < 2) return true;
    f_.mostraStop(true);
    lavoro.stato("Ricerca in corso...");
    QCoreApplication::processEvents();
    mostraRisultato(f_, TrovaRima(testo, f_.ctx.voci, f_.poll()));
    return true;
}

bool AvvioRicerca::cercaAnagrammi(const std::string& testo, LavoroForm1& lavoro) {
    f_.mostraStop(true);
    QCoreApplication::processEvents();
    int sottomodo = 0;
    while (sottomodo < 3 && !f_.Option2[static_cast<size_t>(sottomodo)]->isChecked()) ++sottomodo;
    const bool vuoto = testo.empty() && sottomodo != kTutti;
    if (!vuoto) {
        lavoro.stato(kRicercaInCorso);
        f_.List1->modello().svuota();
        QCoreApplication::processEvents();
    }
    OpzioniAnagrammi opzioni;
    opzioni.frasi = f_.ModoFrasi;
    opzioni.scarti = f_.CScarto->isChecked();
    // Letters are only left out while the user can see the box that holds them.
    if (!f_.TxtMeno->isHidden()) opzioni.escludi = testo::aCp1252(f_.TxtMeno->text());
    RisultatoRicerca r;
    {
        AnagrammiInCorso tutti(f_.ctx, sottomodo == kTutti);
        r = Anagrammi(sottomodo, testo::aCp1252(f_.Text1->text()), opzioni, f_.ctx.voci, f_.poll());
    }
    const bool eseguita = r.eseguita;
    if (sottomodo == kTutti) taglioPerGruppi(r);
    mostraRisultato(f_, std::move(r));
    if (!eseguita) f_.fuocoSu(f_.Text1);
    // The groups found last are the ones to see, as they were while the search ran.
    if (sottomodo == kTutti) f_.List1->scrollToBottom();
    return true;
}

bool AvvioRicerca::cercaPalindromi(LavoroForm1& lavoro) {
    f_.List1->modello().svuota();
    f_.mostraStop(true);
    lavoro.stato(kRicercaInCorso);
    QCoreApplication::processEvents();
    // The box's own text: a single letter and a blank choose the search and its wording.
    mostraRisultato(f_, CercaPalindromi(testo::aCp1252(f_.Text1->text()), f_.ctx.voci, f_.poll()));
    return true;
}

bool AvvioRicerca::cercaScambi(const std::string& testo, LavoroForm1& lavoro) {
    if (testo.empty()) return true;
    f_.List1->modello().svuota();
    f_.mostraStop(true);
    QCoreApplication::processEvents();
    const int tipo = f_.Option3[1]->isChecked() ? 1 : 0;
    lavoro.stato(kRicercaInCorso);
    mostraRisultato(f_, CercaScambi(tipo, testo, f_.Check6->isChecked(), f_.ctx.voci, f_.poll()));
    return true;
}

bool AvvioRicerca::cercaModello(bool mnemos, LavoroForm1& lavoro) {
    f_.mostraStop(true);
    OpzioniModello opzioni;
    opzioni.mnemos = mnemos;
    opzioni.chiave = testo::aCp1252(f_.TxtMeno->text());
    opzioni.filtro = f_.CkFilter->isChecked();
    opzioni.doppie = f_.CkDoppie->isChecked();
    opzioni.ordine = f_.ckOrder->isChecked();
    const std::string scritto = testo::aCp1252(f_.Text1->text());
    if (!trimSpazi(scritto).empty()) {
        f_.List1->modello().svuota();
        f_.List2.clear();
        lavoro.stato(kRicercaInCorso);
    }
    // Typing more while the dictionary is scanned would only be lost.
    f_.Text1->setEnabled(false);
    RisultatoRicerca r = RicercaModello(scritto, opzioni, f_.ctx.voci, f_.poll());
    const bool eseguita = r.eseguita;
    mostraRisultato(f_, std::move(r));
    f_.Text1->setEnabled(true);
    f_.fuocoSu(f_.Text1);
    return eseguita;
}

} // namespace verbolario
