#include "MostraRisultato.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"

namespace verbolario {

void riempiList1(Form1& f, const std::vector<std::string>& righe) {
    if (righe.size() > 1000) f.List1->setUpdatesEnabled(false);
    ModelloRisultati& m = f.List1->modello();
    m.svuota();
    m.aggiungiCp1252(righe);
}

void adattaList1(Form1& f) {
    f.List1->impostaEstensioneOrizzontale(f.List1->larghezzaMassima());
    f.superficie.ImpostaFont();
}

void mostraRisultato(Form1& f, const RisultatoRicerca& r) {
    Contesto& ctx = f.ctx;
    if (r.eseguita) {
        if (!r.messaggio.empty())
            ctx.dialoghi.messaggio(testo::daCp1252(r.messaggio), Dialoghi::Pulsanti::Ok,
                                   Dialoghi::Icona::Esclamazione);
        riempiList1(f, r.righe);
        if (r.selezionato >= 0) f.List1->seleziona(static_cast<int>(r.selezionato));
    }
    if (!r.stato.empty() || r.eseguita)
        f.ScriviMessaggio(testo::daCp1252(r.stato), 1, r.statoSuggerimento);
    if (r.beep) ctx.dialoghi.beep();
}

std::vector<std::string> righeList1(const Form1& f) {
    const ModelloRisultati& m = f.List1->modello();
    std::vector<std::string> righe;
    righe.reserve(static_cast<size_t>(m.conteggio()));
    for (const QString& r : m.righe()) righe.push_back(testo::aCp1252(r));
    return righe;
}

} // namespace verbolario
