#include "search/IndiceSfoglia.h"

#include "search/Ordinamento.h"
#include "text/Accenti.h"

#include <algorithm>

namespace verbolario {
namespace {

constexpr size_t kGruppiPrefisso = 65536 + 256 + 1;

// Sorts entry indexes alphabetically. Groups are mostly in order already (a dictionary is
// usually sorted by byte, which differs from the alphabetical order only around accents and
// signs), so the ascending runs already present are found and merged rather than sorting
// from scratch.
void ordinaAlfabetico(uint32_t* da, uint32_t* a, const Voci& voci) {
    auto minore = [&voci](uint32_t x, uint32_t y) {
        return ConfrontaAlfabetico(voci[x], voci[y]) < 0;
    };
    std::vector<uint32_t*> tagli{da};
    for (uint32_t* p = da + 1; p < a; ++p)
        if (minore(*p, *(p - 1))) tagli.push_back(p);
    tagli.push_back(a);
    while (tagli.size() > 2) {
        std::vector<uint32_t*> uniti{da};
        for (size_t k = 0; k + 2 < tagli.size(); k += 2) {
            std::inplace_merge(tagli[k], tagli[k + 1], tagli[k + 2], minore);
            uniti.push_back(tagli[k + 2]);
        }
        if (tagli.size() % 2 == 0) uniti.push_back(a);
        tagli = std::move(uniti);
    }
}

} // namespace

size_t IndiceSfoglia::chiavePrefisso(std::string_view e) {
    if (e.size() >= 2)
        return static_cast<size_t>(static_cast<unsigned char>(e[0])) << 8 |
               static_cast<unsigned char>(e[1]);
    if (e.size() == 1) return 65536 + static_cast<unsigned char>(e[0]);
    return 65536 + 256;
}

size_t IndiceSfoglia::chiaveLettera(std::string_view e) {
    return e.empty() ? kNessuna : accenti::piana(static_cast<unsigned char>(e[0]));
}

void IndiceSfoglia::costruisci(const Voci& voci, Gruppi& gruppi, size_t nGruppi,
                               size_t (*chiave)(std::string_view)) {
    std::vector<uint32_t> conta(nGruppi + 1, 0);
    std::vector<uint32_t> ultimaAmmessa(nGruppi, UINT32_MAX);
    for (size_t i = 0; i < voci.size(); ++i) {
        size_t g = chiave(voci[i]);
        if (g == kNessuna) continue;
        if (++conta[g + 1] == kCapacita) ultimaAmmessa[g] = static_cast<uint32_t>(i);
    }
    for (size_t g = 0; g < nGruppi; ++g) conta[g + 1] += conta[g];
    const std::vector<uint32_t> inizi = conta;
    std::vector<uint32_t> ordine(conta[nGruppi]);
    for (size_t i = 0; i < voci.size(); ++i) {
        size_t g = chiave(voci[i]);
        if (g != kNessuna) ordine[conta[g]++] = static_cast<uint32_t>(i);
    }
    // Each group in alphabetical order, then kept as runs when they are few.
    std::vector<Tratto> tratti;
    std::vector<uint32_t> sciolte;
    for (size_t g = 0; g < nGruppi; ++g) {
        uint32_t* da = ordine.data() + inizi[g];
        uint32_t* a = ordine.data() + inizi[g + 1];
        if (da == a) continue;
        if (a - da > 1) ordinaAlfabetico(da, a, voci);
        size_t corse = 0;
        for (const uint32_t* p = da; p < a; ++p) corse += p == da || *p != *(p - 1) + 1;
        gruppi.chiavi.push_back(static_cast<uint32_t>(g));
        gruppi.primoTratto.push_back(static_cast<uint32_t>(tratti.size()));
        gruppi.primaSciolta.push_back(static_cast<uint32_t>(sciolte.size()));
        gruppi.quante.push_back(static_cast<uint32_t>(a - da));
        gruppi.ultimaAmmessa.push_back(ultimaAmmessa[g]);
        if (2 * corse < static_cast<size_t>(a - da)) {
            for (const uint32_t* p = da; p < a; ++p) {
                if (p == da || *p != *(p - 1) + 1) tratti.push_back({*p, 0});
                ++tratti.back().n;
            }
        } else {
            sciolte.insert(sciolte.end(), da, a);
        }
    }
    gruppi.primoTratto.push_back(static_cast<uint32_t>(tratti.size()));
    gruppi.primaSciolta.push_back(static_cast<uint32_t>(sciolte.size()));
    // Exactly as large as they need to be.
    gruppi.tratti.assign(tratti.begin(), tratti.end());
    gruppi.ordine.assign(sciolte.begin(), sciolte.end());
}

IndiceSfoglia::IndiceSfoglia(const Voci& voci) {
    costruisci(voci, prefissi_, kGruppiPrefisso, chiavePrefisso);
    costruisci(voci, lettere_, 256, chiaveLettera);
}

IndiceSfoglia::Gruppo IndiceSfoglia::Gruppi::gruppo(size_t chiave) const {
    const auto it = std::lower_bound(chiavi.begin(), chiavi.end(), chiave);
    if (it == chiavi.end() || *it != chiave) return {};
    const auto k = static_cast<size_t>(it - chiavi.begin());
    Gruppo out;
    out.tratti = {tratti.data() + primoTratto[k], primoTratto[k + 1] - primoTratto[k]};
    out.voci = {ordine.data() + primaSciolta[k], primaSciolta[k + 1] - primaSciolta[k]};
    out.quante = quante[k];
    out.ultimaAmmessa = ultimaAmmessa[k];
    return out;
}

IndiceSfoglia::Gruppo IndiceSfoglia::perPrefisso(std::string_view prefisso) const {
    return prefissi_.gruppo(chiavePrefisso(prefisso.substr(0, 2)));
}

IndiceSfoglia::Gruppo IndiceSfoglia::perLettera(unsigned char lettera) const {
    return lettere_.gruppo(lettera);
}

} // namespace verbolario
