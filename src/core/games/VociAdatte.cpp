#include "VociAdatte.h"

#include "dictionary/Voci.h"

#include <algorithm>

namespace verbolario {

VociAdatte::VociAdatte(const Voci& voci) {
    const auto& refs = voci.refs();
    for (size_t i = 0; i < refs.size(); ++i) {
        const uint32_t n = refs[i].len;
        if (n >= kMinima && n <= kMassima)
            perLunghezza_[n - kMinima].push_back(static_cast<uint32_t>(i));
    }
}

size_t VociAdatte::quante(int lunghezzaLimite) const {
    size_t n = 0;
    for (int l = kMinima; l <= std::min(lunghezzaLimite, kMassima); ++l)
        n += perLunghezza_[static_cast<size_t>(l - kMinima)].size();
    return n;
}

uint32_t VociAdatte::indice(size_t k, int lunghezzaLimite) const {
    for (int l = kMinima; l <= std::min(lunghezzaLimite, kMassima); ++l) {
        const auto& gruppo = perLunghezza_[static_cast<size_t>(l - kMinima)];
        if (k < gruppo.size()) return gruppo[k];
        k -= gruppo.size();
    }
    return 0; // out of range: callers draw below quante()
}

} // namespace verbolario
