#include "search/CercaAnagrammi.h"

#include "dictionary/VociInMemoria.h"
#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/Passata.h"
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

std::string cercata(std::string_view parola, bool frasi) {
    std::string p;
    IndiceAnagrammi::pulisci(parola, frasi, p);
    accenti::foldAll(p);
    return p;
}

} // namespace

EsitoConteggio CercaAnagrammi(std::string_view parola, bool frasi, const Voci& voci, Poll& poll,
                              std::vector<std::string>& righe) {
    const IndiceAnagrammi* pronto = IndiceAnagrammi::pronto(voci, frasi);
    if (!pronto) {
        VociInMemoria fonte(voci);
        return CercaAnagrammi(parola, frasi, fonte, poll, righe);
    }
    const std::string p = cercata(parola, frasi);
    const Multinsieme lettere(p, false);
    const IndiceAnagrammi::Maschera m = IndiceAnagrammi::maschera(p);

    // Anagrams have the word's cleaned length and exactly its set of characters; only those
    // entries are compared letter by letter. The length's entries are in dictionary order.
    const IndiceAnagrammi& indice = *pronto;
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

EsitoConteggio CercaAnagrammi(std::string_view parola, bool frasi, FonteVoci& fonte, Poll& poll,
                              std::vector<std::string>& righe) {
    const std::string p = cercata(parola, frasi);
    const Multinsieme lettere(p, false);
    EsitoConteggio esito;
    std::string pulita;
    esito.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        // Cleaning only drops characters.
        if (e.size() < p.size()) return true;
        std::string_view w = e;
        if (IndiceAnagrammi::vaPulita(e, frasi)) w = IndiceAnagrammi::pulisci(e, frasi, pulita);
        if (!lettere.uguale(w, true) || ugualePiegate(w, p)) return true;
        righe.emplace_back(e);
        ++esito.conteggio;
        return true;
    });
    return esito;
}

} // namespace verbolario
