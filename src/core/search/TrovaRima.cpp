#include "search/TrovaRima.h"

#include "dictionary/VociInMemoria.h"
#include "search/IndiceRime.h"
#include "search/Passata.h"
#include "search/RevWord.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <bit>
#include <vector>

namespace verbolario {
namespace {

constexpr size_t kPassoAscolto = 1024;

bool ugualeSenzaMaiuscole(std::string_view voce, std::string_view parolaMinuscola) {
    if (voce.size() != parolaMinuscola.size()) return false;
    for (size_t k = 0; k < voce.size(); ++k)
        if (cp1252::lower(static_cast<unsigned char>(voce[k])) !=
            static_cast<unsigned char>(parolaMinuscola[k]))
            return false;
    return true;
}

bool faRima(std::string_view e, const RegolaRima& r) {
    if (ugualeSenzaMaiuscole(e, r.parola)) return false;
    // Without an accent the ending must not follow a plain vowel (cuore does not rhyme with
    // amore). An entry that is the ending itself has nothing before it and passes.
    if (!r.accentata && e.size() > r.rima.size() &&
        lettere::isVocalePiana(static_cast<unsigned char>(e[e.size() - r.rima.size() - 1])))
        return false;
    return accenti::Accentazione(e, true) == r.distanza;
}

} // namespace

RegolaRima CalcolaRima(std::string_view testo) {
    RegolaRima r;
    r.parola = cp1252::lowered(testo);
    const std::string& p = r.parola;
    const int64_t n = static_cast<int64_t>(p.size());
    int64_t lunghezza = 0;
    if (n > 2) {
        const int64_t posizione = accenti::Accentazione(p);
        r.accentata = posizione != 0;
        if (posizione == n) {
            lunghezza = 2;
        } else if (posizione != 0) {
            lunghezza = n - posizione + 1;
            r.distanza = n - posizione;
        } else {
            // The ending starts at the last plain vowel that leaves at least 3 characters.
            const std::string rovescio = revWord(p);
            for (int64_t k = 3; k <= n && lunghezza == 0; ++k)
                if (lettere::isVocalePiana(static_cast<unsigned char>(rovescio[k - 1])))
                    lunghezza = k;
        }
    }
    if (lunghezza == 0) lunghezza = n;
    r.rima = p.substr(static_cast<size_t>(n - lunghezza));
    return r;
}

namespace {

RisultatoRicerca conRegola(std::string_view testoText1, RegolaRima& regola) {
    RisultatoRicerca out;
    const std::string_view testo = trimSpazi(testoText1);
    if (testo.size() < 2) {
        out.eseguita = false;
        return out;
    }
    regola = CalcolaRima(testo);
    return out;
}

} // namespace

RisultatoRicerca TrovaRima(std::string_view testoText1, const Voci& voci, Poll& poll) {
    const IndiceRime* indice = voci.cached<IndiceRime>();
    if (!indice) {
        VociInMemoria fonte(voci);
        return TrovaRima(testoText1, fonte, poll);
    }
    RegolaRima regola;
    RisultatoRicerca out = conRegola(testoText1, regola);
    if (!out.eseguita) return out;
    auto [da, a] = indice->conFinale(voci, regola.rima);

    // The candidates come in backwards-text order; a bitmap puts them back in dictionary
    // order, which is the order of the list and of what a stop request keeps.
    std::vector<uint64_t> bitmap((voci.size() + 63) / 64);
    for (const uint32_t* p = da; p != a; ++p) bitmap[*p >> 6] |= uint64_t{1} << (*p & 63);
    size_t visti = 0;
    for (size_t w = 0; w < bitmap.size(); ++w) {
        for (uint64_t bits = bitmap[w]; bits != 0; bits &= bits - 1) {
            if (++visti % kPassoAscolto == 0 && poll.stop()) {
                out.interrotto = true;
                break;
            }
            const size_t i = w * 64 + static_cast<size_t>(std::countr_zero(bits));
            if (faRima(voci[i], regola)) out.righe.emplace_back(voci[i]);
        }
        if (out.interrotto) break;
    }
    out.stato = std::to_string(out.righe.size()) + " parole in rima.";
    return out;
}

RisultatoRicerca TrovaRima(std::string_view testoText1, FonteVoci& fonte, Poll& poll) {
    RegolaRima regola;
    RisultatoRicerca out = conRegola(testoText1, regola);
    if (!out.eseguita) return out;
    const std::string_view rima = regola.rima;
    out.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        if (e.size() >= rima.size() && e.substr(e.size() - rima.size()) == rima &&
            faRima(e, regola))
            out.righe.emplace_back(e);
        return true;
    });
    out.stato = std::to_string(out.righe.size()) + " parole in rima.";
    return out;
}

} // namespace verbolario
