#include "search/CercaPalindromi.h"

#include "dictionary/VociInMemoria.h"
#include "search/Arrangia.h"
#include "search/Ascolto.h"
#include "search/IndicePalindromi.h"
#include "search/Passata.h"
#include "search/RevWord.h"
#include "search/Spazi.h"
#include "search/TestoNelleVoci.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

namespace verbolario {
namespace {

void daElenco(const IndicePalindromi& indice, const Voci& voci, Poll& poll, RisultatoRicerca& out) {
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    for (uint32_t i : indice.voci()) {
        if (!ascolto.arrivaA(i)) break;
        out.righe.emplace_back(voci[i]);
    }
    out.interrotto = ascolto.fermato();
}

void palindromi(FonteVoci& fonte, Poll& poll, RisultatoRicerca& out) {
    std::string scratch;
    out.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        if (IndicePalindromi::palindromo(e, scratch)) out.righe.emplace_back(e);
        return true;
    });
}

// The letters to look for, read backwards: typed capitals count as their lower case (the
// box shows typed letters in lower case anyway), other signs drop out, accents are folded.
std::string rovescioCercato(std::string_view testo) {
    std::string t = Arrangia(cp1252::lowered(testo));
    if (accenti::Accentazione(t) != 0) accenti::foldAll(t);
    return revWord(t);
}

void rovesciati(std::string_view testo, FonteVoci& fonte, Poll& poll, RisultatoRicerca& out) {
    const std::string r = rovescioCercato(testo);
    // Nothing left to look for (digits, signs only) finds nothing, rather than every entry.
    if (r.empty()) return;
    Ascolto ascolto(poll, fonte.stima());
    std::vector<Occorrenza> trovate;
    fonte.scorri([&](const Lotto& l) {
        if (!ascolto.arrivaA(static_cast<int64_t>(l.primo))) return false;
        trovate.clear();
        TestoNelleVoci(l, r, trovate);
        for (const Occorrenza& t : trovate) {
            const std::string_view e = l[t.voce - l.primo];
            std::string riga;
            riga.reserve(e.size() + 2);
            riga.append(e.substr(0, t.posizione)).append("-").append(r).append("-");
            riga.append(e.substr(t.posizione + r.size()));
            out.righe.push_back(std::move(riga));
        }
        return true;
    });
    out.interrotto = ascolto.fermato();
}

RisultatoRicerca conConteggio(std::string_view testoText1Raw, RisultatoRicerca out) {
    out.stato = std::to_string(out.righe.size()) +
                (testoText1Raw.size() > 1 ? " parole trovate contenenti il testo rovesciato."
                                          : " Palindromi trovate.");
    return out;
}

} // namespace

RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, const Voci& voci, Poll& poll) {
    const IndicePalindromi* indice = voci.cached<IndicePalindromi>();
    if (testoText1Raw.empty() && indice) {
        RisultatoRicerca out;
        daElenco(*indice, voci, poll, out);
        return conConteggio(testoText1Raw, std::move(out));
    }
    VociInMemoria fonte(voci);
    return CercaPalindromi(testoText1Raw, fonte, poll);
}

RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, FonteVoci& fonte, Poll& poll) {
    RisultatoRicerca out;
    if (testoText1Raw.empty())
        palindromi(fonte, poll, out);
    else if (!trimSpazi(testoText1Raw).empty())
        rovesciati(testoText1Raw, fonte, poll, out);
    return conConteggio(testoText1Raw, std::move(out));
}

} // namespace verbolario
