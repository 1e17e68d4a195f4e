#include "search/CercaPartAnagrammi.h"

#include "dictionary/Riordina.h"
#include "search/Arrangia.h"
#include "search/Ascolto.h"
#include "search/Differenza.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/ScorriCandidati.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace verbolario {
namespace {

// Only words of at least this many letters are worth listing.
constexpr uint64_t kMinimo = 3;

std::string lettereDi(std::string_view testo) {
    std::string s = cp1252::lowered(testo);
    accenti::foldAll(s);
    return Arrangia(s);
}

} // namespace

EsitoConteggio CercaPartAnagrammi(std::string_view testo, const ModoParziali& modo,
                                  const Voci& voci, Poll& poll, std::vector<std::string>& righe) {
    const std::string l = lettereDi(testo);
    const Multinsieme disponibili(l, false);
    // The letters are plain a-z, so any other character in an entry rules it out.
    const IndiceAnagrammi::Maschera estranee =
        ~(IndiceAnagrammi::maschera(l) | IndiceAnagrammi::kPulita);

    const IndiceAnagrammi& indice = IndiceAnagrammi::di(voci, modo.frasi);
    const IndiceAnagrammi::Maschera* maschere = indice.maschere();
    std::vector<uint64_t> trovate; // entry index, then position in the index
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    ScorriCandidati(
        indice, voci, kMinimo, l.size(), ascolto,
        [&](IndiceAnagrammi::Maschera m) { return (m & estranee) == 0; },
        [&](uint32_t k, uint32_t i, IndiceAnagrammi::Maschera m) {
            if (disponibili.contiene(indice.pulita(voci, i, m), true))
                trovate.push_back(uint64_t{i} << 32 | k);
        });
    // The entries were visited length by length; the list is in dictionary order.
    std::sort(trovate.begin(), trovate.end());

    EsitoConteggio esito;
    for (uint64_t t : trovate) {
        const auto i = static_cast<uint32_t>(t >> 32);
        std::string w(indice.pulita(voci, i, maschere[static_cast<uint32_t>(t)]));
        accenti::foldAll(w);
        if (!modo.completo) {
            righe.push_back(std::move(w));
        } else if (w == l) {
            continue;
        } else if (modo.scarti) {
            std::string riga(voci[i]);
            riga += '\t';
            riga += Riordina(Differenza(l, w));
            righe.push_back(std::move(riga));
        } else {
            righe.emplace_back(voci[i]);
        }
        ++esito.conteggio;
    }
    esito.interrotto = ascolto.fermato();
    return esito;
}

} // namespace verbolario
