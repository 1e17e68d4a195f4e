#include "search/CercaIncastri.h"

#include "search/Enigmistica.h"
#include "search/RaccoltaParole.h"

#include <algorithm>

namespace verbolario {

using namespace enigmistica;

RisultatoRicerca CercaIncastri(std::string_view testo, const Voci& voci) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    const std::string_view w = p.testo;
    std::vector<std::string> righe;
    // B takes the letters [k, k + lb); A is what is left around it, non-empty on both sides.
    for (size_t lb = 2; lb + 2 <= w.size(); ++lb)
        for (size_t k = 1; k + lb < w.size(); ++k) {
            const auto interne = Termini(voci, w.substr(k, lb), p.esatta);
            if (interne.empty()) continue;
            const std::string a = std::string(w.substr(0, k)).append(w.substr(k + lb));
            for (std::string_view ta : Termini(voci, a, p.esatta))
                for (std::string_view tb : interne)
                    righe.push_back(std::string(ta.substr(0, k))
                                        .append("(")
                                        .append(tb)
                                        .append(")")
                                        .append(ta.substr(k)));
        }
    return ElencoRighe(std::move(righe),
                       {"Nessun incastro trovato.", "Un incastro trovato.", " incastri trovati."});
}

namespace {

// Whether the form f (of m letters, 2 <= m <= w.size() - 2) can take part in an incastro of
// w: as the inner word, a piece of w; as the outer word, w's beginning and end around a piece
// taken out, both not empty.
bool puoIncastrarsi(std::string_view w, std::string_view f) {
    if (w.find(f) != w.npos) return true;
    const size_t m = f.size();
    size_t inizio = 0, fine = 0;
    while (inizio < m && f[inizio] == w[inizio]) ++inizio;
    while (fine < m && f[m - 1 - fine] == w[w.size() - 1 - fine]) ++fine;
    // Some cut k in [1, m - 1] with f[0, k) a beginning of w and f[k, m) an end of it.
    return std::max<size_t>(1, m - std::min(fine, m)) <= std::min(inizio, m - 1);
}

} // namespace

RisultatoRicerca CercaIncastri(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    const Parola p = Prepara(testo);
    Voci parole;
    bool fermata = false;
    if (p.testo.size() >= 4) {
        const std::string_view w = p.testo;
        fermata = !RaccogliParole(fonte, poll, TavolaLettere(p), 2, w.size() - 2, parole,
                                  [w](std::string_view f) { return puoIncastrarsi(w, f); });
    }
    RisultatoRicerca r = CercaIncastri(testo, parole);
    r.interrotto = fermata;
    return r;
}

} // namespace verbolario
