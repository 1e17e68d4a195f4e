#include "search/CercaPalindromi.h"

#include "search/Arrangia.h"
#include "search/Ascolto.h"
#include "search/IndicePalindromi.h"
#include "search/IndiceRovesci.h"
#include "search/RevWord.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

namespace verbolario {
namespace {

void palindromi(const Voci& voci, Poll& poll, RisultatoRicerca& out) {
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    for (uint32_t i : voci.derived<IndicePalindromi>().voci()) {
        if (!ascolto.arrivaA(i)) break;
        out.righe.emplace_back(voci[i]);
    }
    out.interrotto = ascolto.fermato();
}

// The letters to look for, read backwards: typed capitals count as their lower case (the
// box shows typed letters in lower case anyway), other signs drop out, accents are folded.
std::string rovescioCercato(std::string_view testo) {
    std::string t = Arrangia(cp1252::lowered(testo));
    if (accenti::Accentazione(t) != 0) accenti::foldAll(t);
    return revWord(t);
}

void rovesciati(std::string_view testo, const Voci& voci, Poll& poll, RisultatoRicerca& out) {
    const std::string r = rovescioCercato(testo);
    // Nothing left to look for (digits, signs only) finds nothing, rather than every entry.
    if (r.empty()) return;
    std::vector<IndiceRovesci::Occorrenza> trovate;
    out.interrotto = !voci.derived<IndiceRovesci>().cerca(r, trovate, poll);
    out.righe.reserve(trovate.size());
    for (const auto& t : trovate) {
        std::string_view e = voci[t.voce];
        std::string riga;
        riga.reserve(e.size() + 2);
        riga.append(e.substr(0, t.posizione)).append("-").append(r).append("-");
        riga.append(e.substr(t.posizione + r.size()));
        out.righe.push_back(std::move(riga));
    }
}

} // namespace

RisultatoRicerca CercaPalindromi(std::string_view testoText1Raw, const Voci& voci, Poll& poll) {
    RisultatoRicerca out;
    if (testoText1Raw.empty())
        palindromi(voci, poll, out);
    else if (!trimSpazi(testoText1Raw).empty())
        rovesciati(testoText1Raw, voci, poll, out);
    out.stato = std::to_string(out.righe.size()) +
                (testoText1Raw.size() > 1 ? " parole trovate contenenti il testo rovesciato."
                                          : " Palindromi trovate.");
    return out;
}

} // namespace verbolario
