#include "search/Ordinamento.h"

#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace verbolario {
namespace {

// The character each byte stands for in alphabetical comparisons.
struct TavolaAlfabetica {
    std::array<unsigned char, 256> chiave{};
    TavolaAlfabetica() {
        for (int c = 0; c < 256; ++c)
            chiave[c] = accenti::piana(cp1252::lower(static_cast<unsigned char>(c)));
    }
};

const TavolaAlfabetica& tavola() {
    static const TavolaAlfabetica t;
    return t;
}

// Stop requests are looked at once per this many steps: often enough to feel immediate,
// rarely enough to cost nothing.
constexpr size_t kPassoAscolto = 1024;

} // namespace

int ConfrontaAlfabetico(std::string_view a, std::string_view b) {
    const auto& k = tavola().chiave;
    const size_t n = std::min(a.size(), b.size());
    int primaDifferenza = 0;
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) continue;
        if (k[ca] != k[cb]) return k[ca] < k[cb] ? -1 : 1;
        if (primaDifferenza == 0) primaDifferenza = ca < cb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return primaDifferenza;
}

// Most comparisons are settled by the first sixteen characters, compared as two numbers; only
// texts that agree on them are compared in full.
template <class Testo> void ordinaPerChiavi(std::vector<Testo>& elenco) {
    struct Voce {
        uint64_t alta, bassa;
        size_t posto;
    };
    const auto& k = tavola().chiave;
    auto parte = [&](std::string_view s, size_t da) {
        uint64_t v = 0;
        for (size_t j = da; j < da + 8; ++j)
            v = v << 8 | (j < s.size() ? k[static_cast<unsigned char>(s[j])] : 0);
        return v;
    };
    std::vector<Voce> voci(elenco.size());
    for (size_t i = 0; i < elenco.size(); ++i) {
        const std::string_view s = elenco[i];
        voci[i] = {parte(s, 0), parte(s, 8), i};
    }
    std::sort(voci.begin(), voci.end(), [&](const Voce& a, const Voce& b) {
        if (a.alta != b.alta) return a.alta < b.alta;
        if (a.bassa != b.bassa) return a.bassa < b.bassa;
        return ConfrontaAlfabetico(elenco[a.posto], elenco[b.posto]) < 0;
    });
    std::vector<Testo> ordinato;
    ordinato.reserve(elenco.size());
    for (const Voce& v : voci) ordinato.push_back(std::move(elenco[v.posto]));
    elenco = std::move(ordinato);
}

void OrdinaAlfabetico(std::vector<std::string>& elenco) {
    ordinaPerChiavi(elenco);
}
void OrdinaAlfabetico(std::vector<std::string_view>& elenco) {
    ordinaPerChiavi(elenco);
}

bool OrdinaArray(std::vector<std::string>& elenco, bool discendente, Poll& poll) {
    const size_t n = elenco.size();
    size_t h = 0;
    while (h <= n) h = 3 * h + 1;
    size_t passi = 0;
    do {
        h /= 3;
        for (size_t i = h; i < n; ++i) {
            if (++passi % kPassoAscolto == 0 && poll.stop()) return false;
            std::string daParte = std::move(elenco[i]);
            const size_t len = daParte.size();
            size_t j = i;
            while (j >= h &&
                   (discendente ? elenco[j - h].size() <= len : elenco[j - h].size() > len)) {
                elenco[j] = std::move(elenco[j - h]);
                j -= h;
            }
            elenco[j] = std::move(daParte);
        }
    } while (h > 1);
    return true;
}

std::vector<std::string> OrdinaPerLunghezza(std::vector<std::string> alfabetico, bool discendente,
                                            Poll& poll) {
    OrdinaArray(alfabetico, discendente, poll);
    return alfabetico;
}

} // namespace verbolario
