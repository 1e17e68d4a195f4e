#include "search/CercaAnagrammi.h"

#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/ScorriCandidati.h"
#include "text/Accenti.h"

namespace verbolario {
namespace {

bool ugualePiegate(std::string_view w, std::string_view piegata) {
    if (w.size() != piegata.size()) return false;
    for (size_t k = 0; k < w.size(); ++k)
        if (Multinsieme::piega(static_cast<unsigned char>(w[k])) !=
            static_cast<unsigned char>(piegata[k]))
            return false;
    return true;
}

} // namespace

EsitoConteggio CercaAnagrammi(std::string_view parola, bool frasi, const Voci& voci, Poll& poll,
                              std::vector<std::string>& righe) {
    std::string p;
    IndiceAnagrammi::pulisci(parola, frasi, p);
    accenti::foldAll(p);
    const Multinsieme lettere(p, false);
    const IndiceAnagrammi::Maschera m = IndiceAnagrammi::maschera(p);

    // Anagrams have the word's cleaned length and exactly its set of characters; only those
    // entries are compared letter by letter. The length's entries are in dictionary order.
    const IndiceAnagrammi& indice = IndiceAnagrammi::di(voci, frasi);
    EsitoConteggio esito;
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    ScorriCandidati(
        indice, voci, p.size(), p.size(), ascolto,
        [&](IndiceAnagrammi::Maschera mask) { return (mask & ~IndiceAnagrammi::kPulita) == m; },
        [&](uint32_t, uint32_t i, IndiceAnagrammi::Maschera mask) {
            const std::string_view w = indice.pulita(voci, i, mask);
            if (!lettere.uguale(w, true) || ugualePiegate(w, p)) return;
            righe.emplace_back(voci[i]);
            ++esito.conteggio;
        });
    esito.interrotto = ascolto.fermato();
    return esito;
}

} // namespace verbolario
