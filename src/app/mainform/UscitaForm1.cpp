#include "UscitaForm1.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "dictionary/SaveDictionary.h"
#include "mainform/Form1.h"
#include "mainform/ImpostazioniForm1.h"
#include "settings/LoadPerc.h"

#include <QCoreApplication>
#include <QString>

namespace verbolario {

namespace {

void registraStatistiche(Contesto& ctx) {
    if (!ctx.statistiche.stringaLettere.empty()) {
        ctx.impostazioni.setSezione("String");
        ctx.impostazioni.ScriviINI("Stringa", ctx.statistiche.stringaLettere);
    }
    SavePerc(ctx.impostazioni, ctx.statistiche);
}

} // namespace

void UscitaForm1::domandaSalvataggio(const Form1& f, QString& testo, int& predefinito) {
    testo = "Salvo le modifiche fatte al dizionario?";
    if (f.ctx.accentiEliminati)
        testo += "\n\nSono stati eliminati gli accenti dal dizionario in uso!\n";
    if (f.ctx.dizionarioRiformattato)
        testo += "\nE' stata eseguita la formattazione del dizionario in uso!\n";
    predefinito = (f.ctx.accentiEliminati || f.ctx.dizionarioRiformattato) ? 1 : 0;
}

bool UscitaForm1::domande(Form1& f) {
    Contesto& ctx = f.ctx;
    using D = Dialoghi;
    if (ctx.dizionarioSostituito &&
        ctx.dialoghi.messaggio("Devo considerare l'attuale il dizionario predefinito?",
                               D::Pulsanti::SiNo, D::Icona::Domanda) == D::Risposta::Si) {
        ctx.impostazioni.setSezione("Dizionario");
        ctx.impostazioni.ScriviINI("Dizionario",
                                   ImpostazioniForm1::percorsoInIni(ctx.percorsoDizionario));
        registraStatistiche(ctx);
        // The recorded dictionary is now the one in use.
        ctx.dizionarioSostituito = false;
    }
    if (!ctx.dizionarioModificato || ctx.anagrammiInCorso) return true;
    QString testo;
    int predefinito = 0;
    domandaSalvataggio(f, testo, predefinito);
    D::Risposta r =
        ctx.dialoghi.messaggio(testo, D::Pulsanti::SiNoAnnulla, D::Icona::Domanda, predefinito);
    if (r == D::Risposta::Annulla) return false;
    if (r == D::Risposta::Si) {
        f.hide();
        QCoreApplication::processEvents();
        bool salvato = f.salvaDizionario && f.salvaDizionario();
        if (!salvato && ctx.dizionarioModificato) {
            // The changes would be lost: stay open so the user can try another way.
            f.show();
            return false;
        }
    }
    return true;
}

void UscitaForm1::scriviImpostazioni(Form1& f) {
    f.hide();
    QCoreApplication::processEvents();
    ImpostazioniForm1::scrivi(f);
    if (!f.ctx.dizionarioSostituito) registraStatistiche(f.ctx);
}

} // namespace verbolario
