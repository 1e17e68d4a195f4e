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
    gruppi.ultimaAmmessa.assign(nGruppi, UINT32_MAX);
    for (size_t i = 0; i < voci.size(); ++i) {
        size_t g = chiave(voci[i]);
        if (g == kNessuna) continue;
        if (++conta[g + 1] == kCapacita) gruppi.ultimaAmmessa[g] = static_cast<uint32_t>(i);
    }
    for (size_t g = 0; g < nGruppi; ++g) conta[g + 1] += conta[g];
    gruppi.inizi = conta;
    gruppi.ordine.resize(conta[nGruppi]);
    for (size_t i = 0; i < voci.size(); ++i) {
        size_t g = chiave(voci[i]);
        if (g != kNessuna) gruppi.ordine[conta[g]++] = static_cast<uint32_t>(i);
    }
    for (size_t g = 0; g < nGruppi; ++g)
        if (gruppi.inizi[g + 1] - gruppi.inizi[g] > 1)
            ordinaAlfabetico(gruppi.ordine.data() + gruppi.inizi[g],
                             gruppi.ordine.data() + gruppi.inizi[g + 1], voci);
}

IndiceSfoglia::IndiceSfoglia(const Voci& voci) {
    costruisci(voci, prefissi_, kGruppiPrefisso, chiavePrefisso);
    costruisci(voci, lettere_, 256, chiaveLettera);
}

IndiceSfoglia::Gruppo IndiceSfoglia::Gruppi::gruppo(size_t g) const {
    return {std::span<const uint32_t>(ordine.data() + inizi[g], inizi[g + 1] - inizi[g]),
            ultimaAmmessa[g]};
}

IndiceSfoglia::Gruppo IndiceSfoglia::perPrefisso(std::string_view prefisso) const {
    return prefissi_.gruppo(chiavePrefisso(prefisso.substr(0, 2)));
}

IndiceSfoglia::Gruppo IndiceSfoglia::perLettera(unsigned char lettera) const {
    return lettere_.gruppo(lettera);
}

} // namespace verbolario
