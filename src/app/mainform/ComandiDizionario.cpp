#include "ComandiDizionario.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "dictionary/AggiungiVoce.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/SaveDictionary.h"
#include "mainform/Form1.h"
#include "mainform/LavoroForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"
#include "text/Cp1252.h"

#include <QFile>

#include <algorithm>

namespace verbolario {

namespace {

constexpr int64_t kScalaMassima = 30;

QString qs(std::string_view s) {
    return testo::daCp1252(s);
}

} // namespace

ComandiDizionario::ComandiDizionario(Form1& f) : QObject(&f), f_(f) {
    connect(&f_, &Form1::richiestaMenuFile, this, &ComandiDizionario::mnMod_Click);
    f_.salvaDizionario = [this] { return SaveDictionary() != EsitoSalva::Fallito; };
    // The scale describes the dictionary as loaded, before any command changes it.
    lungScala_ = std::min(LengMax(f_.ctx.voci), kScalaMassima);
}

void ComandiDizionario::mnMod_Click(int indice) {
    // The dictionary and the list belong to the search while it runs.
    if (!LavoroForm1::libero(f_)) return;
    ModelloRisultati& lista = f_.List1->modello();
    const int riga = f_.List1->selezionato();
    switch (indice) {
    case 0: {
        std::string voce = AddVoce();
        if (!voce.empty()) lista.aggiungi(qs(voce));
        break;
    }
    case 1: {
        std::string voce = ModificaVoce();
        if (!voce.empty()) lista.imposta(riga, qs(voce));
        break;
    }
    case 2:
        if (EliminaVoce()) lista.rimuovi(riga);
        break;
    case 4:
        SalvaLista();
        break;
    default:
        break;
    }
}

int ComandiDizionario::termineSelezionato(std::string& termine) const {
    const int riga = f_.List1->selezionato();
    if (riga < 0) return -1;
    termine =
        std::string(SoloTermine(cp1252::lowered(testo::aCp1252(f_.List1->modello().riga(riga)))));
    return riga;
}

void ComandiDizionario::voceGiaPresente() {
    f_.ctx.dialoghi.messaggio(qs(kVoceGiaPresente), Dialoghi::Pulsanti::Ok,
                              Dialoghi::Icona::Informazione);
}

std::string ComandiDizionario::AddVoce() {
    Contesto& ctx = f_.ctx;
    std::optional<QString> risposta =
        ctx.dialoghi.input(qs(kPromptAggiungi), qs(kTitoloAggiornamento));
    if (!risposta) return {};
    std::optional<std::string> voce = NormalizzaNuovaVoce(testo::aCp1252(*risposta));
    if (!voce) return {};
    f_.setCursor(Qt::WaitCursor);
    const bool nuova = Assente(ctx.voci, *voce);
    f_.unsetCursor();
    if (!nuova) {
        voceGiaPresente();
        return {};
    }
    AggiungiVoce(ctx.voci, *voce);
    ctx.dizionarioModificato = true;
    ctx.dialoghi.beep();
    allungaIntervallo(static_cast<int64_t>(voce->size()));
    return *voce;
}

std::string ComandiDizionario::ModificaVoce() {
    Contesto& ctx = f_.ctx;
    std::string vecchia;
    if (termineSelezionato(vecchia) < 0) return {};
    std::optional<QString> risposta =
        ctx.dialoghi.input(qs(kPromptModifica), qs(kTitoloAggiornamento), qs(vecchia));
    if (!risposta || risposta->isEmpty()) return {};
    const std::string nuova = cp1252::lowered(testo::aCp1252(*risposta));
    if (!Assente(ctx.voci, nuova)) {
        voceGiaPresente();
        return {};
    }
    // A line that is no entry of the dictionary (a marked reversal, an entry shown with its
    // comment) cannot be changed there, so neither the list nor the flag may say it was.
    if (nuova == vecchia || !SostituisciVoce(ctx.voci, vecchia, nuova)) return {};
    allungaIntervallo(static_cast<int64_t>(nuova.size()));
    ctx.dizionarioModificato = true;
    return nuova;
}

bool ComandiDizionario::EliminaVoce() {
    Contesto& ctx = f_.ctx;
    std::string termine;
    if (termineSelezionato(termine) < 0) return false;
    const QString domanda = qs(cp1252::uppered(termine)) + "\r\n\r\n" + qs(kDomandaElimina);
    if (ctx.dialoghi.messaggio(domanda, Dialoghi::Pulsanti::SiNo, Dialoghi::Icona::Domanda, 0,
                               qs(kTitoloAggiornamento)) != Dialoghi::Risposta::Si)
        return false;
    if (!SostituisciVoce(ctx.voci, termine, "")) return false;
    ctx.dizionarioModificato = true;
    if (static_cast<int64_t>(termine.size()) == lungScala()) ricalcolaIntervallo();
    return true;
}

void ComandiDizionario::SalvaLista() {
    Contesto& ctx = f_.ctx;
    const QString percorso = ctx.dialoghi.salvaFile({}, "File di testo (*.txt)", "txt");
    if (percorso.isEmpty()) return;
    EsitoSalvataggio e =
        verbolario::SalvaLista(righeList1(f_), QFile::encodeName(percorso).toStdString());
    if (!e.ok) ctx.dialoghi.messaggio(qs(e.errore), Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop);
}

ComandiDizionario::EsitoSalva ComandiDizionario::SaveDictionary() {
    Contesto& ctx = f_.ctx;
    if (ctx.dizionarioRiformattato) {
        // The path goes in as Qt text: file names need not be Windows-1252.
        QString domanda = qs(domandaSostituzione("\x01"));
        domanda.replace(QChar(1), ctx.percorsoDizionario);
        if (ctx.dialoghi.messaggio(domanda, Dialoghi::Pulsanti::SiNo,
                                   Dialoghi::Icona::Esclamazione) != Dialoghi::Risposta::Si)
            return EsitoSalva::Rifiutato;
    }
    f_.setCursor(Qt::WaitCursor);
    EsitoSalvataggio e = verbolario::SaveDictionary(
        ctx.voci, QFile::encodeName(ctx.percorsoDizionario).toStdString(), f_.poll());
    f_.unsetCursor();
    if (e.ok) {
        ctx.dizionarioModificato = false;
        return EsitoSalva::Salvato;
    }
    QString motivo =
        e.errore.empty() ? QStringLiteral("Impossibile salvare il dizionario.") : qs(e.errore);
    ctx.dialoghi.messaggio(motivo, Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop);
    return EsitoSalva::Fallito;
}

int64_t ComandiDizionario::lungScala() const {
    return lungScala_;
}

void ComandiDizionario::allungaIntervallo(int64_t lunghezza) {
    // The range bar has room for 30 lengths; a longer entry only fills it.
    const int64_t nuova = std::min(lunghezza, kScalaMassima);
    if (nuova <= lungScala()) return;
    lungScala_ = nuova;
    f_.giochi.max = nuova;
    f_.giochi.min = 3;
    emit intervalloCambiato();
}

void ComandiDizionario::ricalcolaIntervallo() {
    const int64_t piu = LengMax(f_.ctx.voci);
    f_.giochi.min = 3;
    lungScala_ = std::min(piu, kScalaMassima);
    if (piu <= kScalaMassima) f_.giochi.max = piu;
    emit intervalloCambiato();
}

} // namespace verbolario
