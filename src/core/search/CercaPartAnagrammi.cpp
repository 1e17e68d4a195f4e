#include "search/CercaPartAnagrammi.h"

#include "dictionary/Riordina.h"
#include "dictionary/VociInMemoria.h"
#include "search/Arrangia.h"
#include "search/Ascolto.h"
#include "search/Differenza.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/Passata.h"
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

// The list line of a hit: the entry e, cleaned to w, from the letters l. Nothing for the
// word that spells the letters in their order.
bool riga(std::string_view e, std::string_view w, const std::string& l, const ModoParziali& modo,
          std::vector<std::string>& righe) {
    std::string piegata(w);
    accenti::foldAll(piegata);
    if (!modo.completo) {
        righe.push_back(std::move(piegata));
    } else if (piegata == l) {
        return false;
    } else if (modo.scarti) {
        std::string r(e);
        r += '\t';
        r += Riordina(Differenza(l, piegata));
        righe.push_back(std::move(r));
    } else {
        righe.emplace_back(e);
    }
    return true;
}

} // namespace

EsitoConteggio CercaPartAnagrammi(std::string_view testo, const ModoParziali& modo,
                                  const Voci& voci, Poll& poll, std::vector<std::string>& righe) {
    const IndiceAnagrammi* pronto = IndiceAnagrammi::pronto(voci, modo.frasi);
    if (!pronto) {
        VociInMemoria fonte(voci);
        return CercaPartAnagrammi(testo, modo, fonte, poll, righe);
    }
    const std::string l = lettereDi(testo);
    const Multinsieme disponibili(l, false);
    // The letters are plain a-z, so any other character in an entry rules it out.
    const IndiceAnagrammi::Maschera estranee =
        ~(IndiceAnagrammi::maschera(l) | IndiceAnagrammi::kPulita);

    const IndiceAnagrammi& indice = *pronto;
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
        if (riga(voci[i], indice.pulita(voci, i, maschere[static_cast<uint32_t>(t)]), l, modo,
                 righe))
            ++esito.conteggio;
    }
    esito.interrotto = ascolto.fermato();
    return esito;
}

EsitoConteggio CercaPartAnagrammi(std::string_view testo, const ModoParziali& modo,
                                  FonteVoci& fonte, Poll& poll, std::vector<std::string>& righe) {
    const std::string l = lettereDi(testo);
    const Multinsieme disponibili(l, false);
    EsitoConteggio esito;
    std::string pulita;
    esito.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        // Cleaning only drops characters.
        if (e.size() < kMinimo) return true;
        std::string_view w = e;
        const bool daPulire = IndiceAnagrammi::vaPulita(e, modo.frasi);
        if (!daPulire && e.size() > l.size()) return true;
        if (daPulire) w = IndiceAnagrammi::pulisci(e, modo.frasi, pulita);
        if (w.size() < kMinimo || w.size() > l.size() || !disponibili.contiene(w, true))
            return true;
        if (riga(e, w, l, modo, righe)) ++esito.conteggio;
        return true;
    });
    return esito;
}

} // namespace verbolario
