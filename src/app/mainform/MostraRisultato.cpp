#include "MostraRisultato.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"

#include <QFontMetricsF>
#include <QStyle>

#include <array>
#include <cmath>

namespace verbolario {

namespace {

// The width the longest line needs, in pixels. Shaping every line of a full list costs a
// tenth of a second; the lines are plain words, so the advances of their characters, measured
// once, are summed instead. Kerning only narrows such text, so the sum never clips a line.
// Lines with a TAB depend on the list's tab stop and are measured whole.
double larghezzaRighe(const VistaRisultati& lista) {
    const QFontMetricsF fm(lista.font());
    std::array<double, 256> avanzamento;
    for (size_t c = 0; c < avanzamento.size(); ++c)
        avanzamento[c] = fm.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    double massimo = 0;
    for (const QString& riga : lista.modello().righe()) {
        if (riga.contains('\t')) {
            massimo = std::max(massimo, fm.horizontalAdvance(riga));
            continue;
        }
        double w = 0;
        for (QChar c : riga)
            w += c.unicode() < avanzamento.size() ? avanzamento[c.unicode()]
                                                  : fm.horizontalAdvance(c);
        massimo = std::max(massimo, w);
    }
    return massimo;
}

// As VistaRisultati::larghezzaMassima: the extent that shows the longest line beside the
// vertical scroll bar, or 0 when the list is wide enough already.
int larghezzaMassima(const VistaRisultati& lista) {
    const int totale = static_cast<int>(std::ceil(larghezzaRighe(lista))) + 8 +
                       lista.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return lista.width() >= totale ? 0 : totale;
}

} // namespace

void riempiList1(Form1& f, const std::vector<std::string>& righe) {
    if (righe.size() > 1000) f.List1->setUpdatesEnabled(false);
    ModelloRisultati& m = f.List1->modello();
    m.svuota();
    m.aggiungiCp1252(righe);
}

void adattaList1(Form1& f) {
    f.List1->impostaEstensioneOrizzontale(larghezzaMassima(*f.List1));
    f.superficie.ImpostaFont();
}

void mostraRisultato(Form1& f, RisultatoRicerca r) {
    Contesto& ctx = f.ctx;
    if (r.righe.size() > kCapacitaList1) {
        r.righe.resize(kCapacitaList1);
        if (r.messaggio.empty()) r.messaggio = kCapacitaSuperata;
        if (r.selezionato >= static_cast<int64_t>(kCapacitaList1)) r.selezionato = -1;
    }
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
