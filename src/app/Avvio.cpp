#include "Avvio.h"

#include "Contesto.h"
#include "PollEventi.h"
#include "TestoCp.h"
#include "controls/BarraProgresso.h"
#include "dictionary/AnalisiLetterale.h"
#include "dictionary/CaricaDizionario.h"
#include "games/Giochi.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"
#include "mainform/ImpostazioniForm1.h"
#include "settings/Impostazioni.h"
#include "windows/FinestreAusiliarie.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace verbolario {

namespace {

bool esiste(const QString& percorso) {
    return QFileInfo(percorso).isFile();
}

// A stored pool is reused only when it is one the letter game can draw from.
bool poolSalvatoUsabile(WRini& ini) {
    const Impostazione* riga = TrovaImpostazione("String", "Stringa");
    if (!riga) return false;
    ini.setSezione("String");
    std::string testo = ini.LeggiINI("Stringa", "");
    if (testo.find_first_not_of(' ') == std::string::npos) return false;
    return ConvertiImpostazione(*riga, testo, {}).valido;
}

} // namespace

bool Avvio::caricaDizionario(Contesto& ctx, bool statisticheSalvate) {
    PollEventi poll(ctx);
    EsitoCaricamento e =
        CaricaDizionario(ImpostazioniForm1::percorsoInIni(ctx.percorsoDizionario), ctx.voci, poll);
    ctx.dizionarioModificato = false;
    if (!e.ok) {
        ctx.dialoghi.messaggio(testo::daCp1252(e.errore));
        return false;
    }
    if (!statisticheSalvate || !poolSalvatoUsabile(ctx.impostazioni))
        AnalisiLetterale(ctx.voci, ctx.statistiche, poll);
    return true;
}

Avvio::Scelta Avvio::scegliDizionario(Contesto& ctx) {
    ctx.impostazioni.setSezione("Dizionario");
    ctx.percorsoDizionario = ImpostazioniForm1::percorsoDaIni(ctx.impostazioni.LeggiINI(
        "Dizionario", ImpostazioniForm1::percorsoInIni(ctx.percorsoPredefinito())));
    if (esiste(ctx.percorsoDizionario)) return Scelta::Registrato;
    using D = Dialoghi;
    if (esiste(ctx.percorsoPredefinito()) &&
        ctx.dialoghi.messaggio("L'ultimo dizionario usato non \u00E8 pi\u00F9 presente!\nCarico "
                               "quello predefinito?",
                               D::Pulsanti::SiNo, D::Icona::Domanda) == D::Risposta::Si) {
        ctx.percorsoDizionario = ctx.percorsoPredefinito();
        ctx.dizionarioSostituito = true;
        return Scelta::Predefinito;
    }
    ctx.dialoghi.beep();
    return Scelta::Nessuno;
}

std::unique_ptr<Form1> Avvio::creaForm1(Contesto& ctx) {
    auto f = std::make_unique<Form1>(ctx);
    installaComandi(*f);
    installaFinestre(*f);
    installaGiochi(*f);
    caricaForm1(*f);
    return f;
}

void Avvio::caricaForm1(Form1& f) {
    Contesto& ctx = f.ctx;
    ctx.form1Caricato = true;
    ctx.occupato = true;
    f.aggiornaTitolo();
    f.Pic1->setScala(static_cast<double>(ctx.voci.upperBound()));
    ctx.occupato = false;
    ImpostazioniForm1::leggi(f);
    QCoreApplication::processEvents();
    f.ImpostaInPrimoPiano(true);
    f.show();
    QCoreApplication::processEvents();
}

} // namespace verbolario
