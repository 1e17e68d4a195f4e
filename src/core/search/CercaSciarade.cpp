#include "search/CercaSciarade.h"

#include "search/Enigmistica.h"
#include "search/RaccoltaParole.h"

namespace verbolario {
namespace {

using namespace enigmistica;

constexpr size_t kMinimo = 2; // letters of each part

// Every line that starts with `prima` and goes on with the words of the rest of the word,
// split into `parti` words.
void dividi(const Parola& p, size_t da, size_t parti, const std::string& prima, const Voci& voci,
            std::vector<std::string>& righe) {
    const size_t resto = p.testo.size() - da;
    if (parti == 1) {
        for (std::string_view t : Termini(voci, std::string_view(p.testo).substr(da), p.esatta))
            righe.push_back(prima + std::string(t));
        return;
    }
    for (size_t n = kMinimo; n + kMinimo * (parti - 1) <= resto; ++n)
        for (std::string_view t : Termini(voci, std::string_view(p.testo).substr(da, n), p.esatta))
            dividi(p, da + n, parti - 1, prima + std::string(t) + ' ', voci, righe);
}

} // namespace

RisultatoRicerca CercaSciarade(std::string_view testo, bool tre, const Voci& voci) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    std::vector<std::string> righe;
    if (p.testo.size() >= kMinimo * (tre ? 3 : 2)) dividi(p, 0, tre ? 3 : 2, {}, voci, righe);
    return ElencoRighe(std::move(righe), {"Nessuna sciarada trovata.", "Una sciarada trovata.",
                                          " sciarade trovate."});
}

RisultatoRicerca CercaSciarade(std::string_view testo, bool tre, FonteVoci& fonte, Poll& poll) {
    const Parola p = Prepara(testo);
    const size_t parti = tre ? 3 : 2;
    // The parts are pieces of the word: in two parts its beginning or its end.
    Voci pezzi;
    bool fermata = false;
    if (p.testo.size() >= kMinimo * parti) {
        const std::string_view w = p.testo;
        fermata = !RaccogliParole(
            fonte, poll, TavolaLettere(p), kMinimo, w.size() - kMinimo * (parti - 1), pezzi,
            [w, tre](std::string_view f) {
                return tre ? w.find(f) != w.npos : w.starts_with(f) || w.ends_with(f);
            });
    }
    RisultatoRicerca r = CercaSciarade(testo, tre, pezzi);
    r.interrotto = fermata;
    return r;
}

} // namespace verbolario
