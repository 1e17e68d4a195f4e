#include "search/CercaLucchetti.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Ascolto.h"
#include "search/Enigmistica.h"
#include "search/RevWord.h"

namespace verbolario {
namespace {

using namespace enigmistica;

constexpr size_t kComune = 2; // letters of the common part at least

struct Lucchetto {
    const Parola& p;
    const Voci& voci;
    Ascolto& ascolto;
    std::vector<std::string> righe;

    void coppie(std::string_view ta, std::string_view probe, bool aNota) {
        for (std::string_view t : Termini(voci, probe, p.esatta))
            righe.push_back(std::string(aNota ? ta : t) + ' ' + std::string(aNota ? t : ta));
    }

    // Through the words A that begin with x: B must be A's tail followed by z.
    void daA(size_t s, const IndiceParole& d, IndiceParole::Intervallo r) {
        const std::string_view x = std::string_view(p.testo).substr(0, s);
        const std::string_view z = std::string_view(p.testo).substr(s);
        for (size_t k = r.da; k < r.a && ascolto.ancora(); ++k) {
            const std::string_view ta = SoloTermine(voci[d[k]]);
            if (ta.size() < s + kComune) continue;
            const std::string fa = Forma(ta, p.esatta);
            if (p.esatta && fa.compare(0, s, x) != 0) continue;
            coppie(ta, fa.substr(s) + std::string(z), true);
        }
    }

    // Through the words B that end with z: A must be x followed by B's head.
    void daB(size_t s, const IndiceParole& r, IndiceParole::Intervallo rz) {
        const std::string_view x = std::string_view(p.testo).substr(0, s);
        const std::string_view z = std::string_view(p.testo).substr(s);
        for (size_t k = rz.da; k < rz.a && ascolto.ancora(); ++k) {
            const std::string_view tb = SoloTermine(voci[r[k]]);
            if (tb.size() < z.size() + kComune) continue;
            const std::string fb = Forma(tb, p.esatta);
            const size_t y = fb.size() - z.size();
            if (p.esatta && fb.compare(y, z.size(), z) != 0) continue;
            coppie(tb, std::string(x) + fb.substr(0, y), false);
        }
    }
};

} // namespace

RisultatoRicerca CercaLucchetti(std::string_view testo, const Voci& voci, Poll& poll) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    const IndiceParole& d = IndiceParole::diritto(voci);
    const IndiceParole& r = IndiceParole::rovescio(voci);
    Ascolto ascolto(poll, static_cast<int64_t>(p.testo.size()));
    Lucchetto l{p, voci, ascolto, {}};
    // Each split x | z is walked from the side with fewer words: those that begin with x, or
    // those that end with z.
    for (size_t s = 1; s < p.testo.size() && ascolto.arrivaA(static_cast<int64_t>(s)); ++s) {
        const std::string_view w = p.testo;
        const auto conX = d.conInizio(voci, Piegata(w.substr(0, s)));
        const auto conZ = r.conInizio(voci, Piegata(revWord(w.substr(s))));
        if (conX.size() <= conZ.size())
            l.daA(s, d, conX);
        else
            l.daB(s, r, conZ);
    }
    RisultatoRicerca esito =
        ElencoRighe(std::move(l.righe),
                    {"Nessun lucchetto trovato.", "Un lucchetto trovato.", " lucchetti trovati."});
    esito.interrotto = ascolto.fermato();
    return esito;
}

} // namespace verbolario
