#include "search/Anagrammi.h"

#include "search/CercaAnagrammi.h"
#include "search/CercaInterno.h"
#include "search/CercaPartAnagrammi.h"
#include "search/Spazi.h"
#include "search/TuttiAnagrammi.h"
#include "text/Cp1252.h"

namespace verbolario {
namespace {

RisultatoRicerca conConteggio(std::vector<std::string> righe, const EsitoConteggio& esito,
                              std::string_view dopo) {
    RisultatoRicerca r;
    r.righe = std::move(righe);
    r.stato = std::to_string(esito.conteggio);
    r.stato += dopo;
    r.interrotto = esito.interrotto;
    return r;
}

RisultatoRicerca tutti(bool frasi, const Voci& voci, Poll& poll) {
    RisultatoRicerca r;
    const EsitoTutti esito = TuttiAnagrammi(frasi, voci, poll, r.righe);
    const int64_t n = voci.upperBound() < 0 ? 0 : voci.upperBound();
    // With no group at all, the count says how far the pass went.
    const int64_t fin = esito.ultimo >= 0 ? esito.ultimo : (esito.interrotto ? 0 : n);
    r.stato = std::to_string(esito.totale) + " anagrammi     >>>   " + std::to_string(fin) +
              "  di  " + std::to_string(n);
    r.interrotto = esito.interrotto;
    return r;
}

// The letters as the box shows them: capitals, one blank between them.
std::string letterePuntate(std::string_view lettere) {
    std::string out;
    for (char c : cp1252::uppered(lettere)) {
        if (!out.empty()) out += ' ';
        out += c;
    }
    return out;
}

template <class Fonte>
RisultatoRicerca anagrammi(int sottomodo, std::string_view testoText1,
                           const OpzioniAnagrammi& opzioni, Fonte& fonte, const Voci* voci,
                           Poll& poll) {
    const std::string testo = cp1252::lowered(trimSpazi(testoText1));
    if (testo.empty() && sottomodo != kTutti) {
        RisultatoRicerca r;
        r.eseguita = false;
        r.stato = "Scrivi qualcosa . . . . . .";
        r.beep = true;
        return r;
    }
    std::vector<std::string> righe;
    switch (sottomodo) {
    case kCompleti: {
        const EsitoConteggio e = CercaAnagrammi(testo, opzioni.frasi, fonte, poll, righe);
        return conConteggio(std::move(righe), e, " anagrammi trovati.");
    }
    case kTutti:
        if (voci) return tutti(opzioni.frasi, *voci, poll);
        break;
    case kParziali: {
        const ModoParziali modo{true, opzioni.scarti, opzioni.frasi};
        const EsitoConteggio e = CercaPartAnagrammi(testo, modo, fonte, poll, righe);
        return conConteggio(std::move(righe), e, " anagrammi trovati");
    }
    case kContenitori: {
        const RichiestaContenitori cerca = PreparaContenitori(testoText1, opzioni.escludi);
        const ModoContenitori modo{opzioni.scarti, opzioni.frasi};
        const EsitoConteggio e =
            CercaInterno(cerca.parola, cerca.escludi, modo, fonte, poll, righe);
        RisultatoRicerca r = conConteggio(std::move(righe), e, " contenitori trovati.");
        // Entries left out for a letter must not pass unnoticed: the count says why it is low.
        if (!cerca.escludi.empty()) {
            r.stato += kLettereEscluse;
            r.stato += letterePuntate(cerca.escludi);
        }
        return r;
    }
    default:
        break;
    }
    RisultatoRicerca r;
    r.eseguita = false;
    return r;
}

} // namespace

RisultatoRicerca Anagrammi(int sottomodo, std::string_view testoText1,
                           const OpzioniAnagrammi& opzioni, const Voci& voci, Poll& poll) {
    return anagrammi(sottomodo, testoText1, opzioni, voci, &voci, poll);
}

RisultatoRicerca Anagrammi(int sottomodo, std::string_view testoText1,
                           const OpzioniAnagrammi& opzioni, FonteVoci& fonte, Poll& poll) {
    return anagrammi(sottomodo, testoText1, opzioni, fonte, fonte.voci(), poll);
}

} // namespace verbolario
