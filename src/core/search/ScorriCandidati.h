#pragma once

#include "dictionary/Voci.h"
#include "search/Anticipo.h"
#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace verbolario {

namespace detail {

// The places of [da, a) whose mask passes filtro. Nearly all time of a search goes round this
// loop; a loop of its own, its jumps aligned to a cache line, runs at the same speed wherever
// the code around it happens to fall (a loop straddling two lines ran half again slower).
template <class Filtro>
[[gnu::noinline, gnu::optimize("align-loops=64:64", "align-jumps=64:64")]] size_t
passano(const IndiceAnagrammi::Maschera* maschere, size_t da, size_t a, Filtro& filtro,
        uint32_t* candidati) {
    size_t c = 0;
    for (size_t k = da; k < a; ++k)
        if (filtro(maschere[k])) candidati[c++] = static_cast<uint32_t>(k);
    return c;
}

} // namespace detail

// Visits the entries whose cleaned length lies in [minimo, massimo]: each one whose mask
// passes filtro(mask) is a candidate, and verifica(position in the index, entry index, mask)
// is called for it. The dictionary is walked a block of entries at a time, every length of
// the range within the block, so a stop request (heard through ascolto, positions being
// entry indexes) ends the walk with exactly the entries before the block checked, as a
// walk in dictionary order would. The candidates of a length are gathered before they are
// checked, so that their entries can be asked from memory ahead. Returns false when stopped.
template <class Filtro, class Verifica>
bool ScorriCandidati(const IndiceAnagrammi& indice, const Voci& voci, uint64_t minimo,
                     uint64_t massimo, Ascolto& ascolto, Filtro filtro, Verifica verifica) {
    constexpr uint32_t kBlocco = 8192;
    const std::vector<uint32_t>& lunghezze = indice.lunghezze();
    const auto primo = static_cast<size_t>(
        std::lower_bound(lunghezze.begin(), lunghezze.end(), minimo) - lunghezze.begin());
    const auto oltre = static_cast<size_t>(
        std::upper_bound(lunghezze.begin(), lunghezze.end(), massimo) - lunghezze.begin());
    if (primo >= oltre) return true;
    // Where each length of the range has got to; a length lists its entries in dictionary
    // order, so the part of a block is found by searching forward from there.
    const auto inizi = indice.inizi().begin();
    std::vector<size_t> cursori(inizi + static_cast<ptrdiff_t>(primo),
                                inizi + static_cast<ptrdiff_t>(oltre));
    const std::vector<size_t> fini(inizi + static_cast<ptrdiff_t>(primo) + 1,
                                   inizi + static_cast<ptrdiff_t>(oltre) + 1);
    const uint32_t* ordine = indice.ordine();
    const IndiceAnagrammi::Maschera* maschere = indice.maschere();
    const Anticipo anticipo(voci);
    std::vector<uint32_t> candidati(kBlocco);
    const auto n = static_cast<uint32_t>(indice.size());
    for (uint32_t blocco = 0; blocco < n; blocco += std::min(kBlocco, n - blocco)) {
        if (!ascolto.arrivaA(blocco)) return false;
        const uint32_t fineBlocco = blocco + std::min(kBlocco, n - blocco);
        for (size_t b = 0; b < cursori.size(); ++b) {
            const size_t da = cursori[b];
            // Galloping from the cursor: the block's part is near, and the rest of the
            // length is not worth reading.
            size_t passo = 1;
            while (da + passo < fini[b] && ordine[da + passo] < fineBlocco) passo *= 2;
            const size_t a = static_cast<size_t>(
                std::lower_bound(ordine + da + passo / 2, ordine + std::min(fini[b], da + passo),
                                 fineBlocco) -
                ordine);
            const size_t c = detail::passano(maschere, da, a, filtro, candidati.data());
            for (size_t j = 0; j < c && j < Anticipo::kPassiRiferimento; ++j)
                anticipo.riferimento(ordine[candidati[j]]);
            for (size_t j = 0; j < c; ++j) {
                if (j + Anticipo::kPassiRiferimento < c)
                    anticipo.riferimento(ordine[candidati[j + Anticipo::kPassiRiferimento]]);
                if (j + Anticipo::kPassiTesto < c)
                    anticipo.testo(ordine[candidati[j + Anticipo::kPassiTesto]]);
                const uint32_t k = candidati[j];
                verifica(k, ordine[k], maschere[k]);
            }
            cursori[b] = a;
        }
    }
    return true;
}

} // namespace verbolario
