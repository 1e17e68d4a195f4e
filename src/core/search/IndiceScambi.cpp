#include "search/IndiceScambi.h"

#include "text/Accenti.h"

namespace verbolario {
IndiceScambi::IndiceScambi(const Voci& voci) : corte_(kCorte) {
    for (size_t i = 0; i < voci.size(); ++i)
        if (confrontabile(voci[i])) gruppo(voci[i].size()).voci.push_back(0);
    auto prepara = [](size_t lunghezza, Gruppo& g) {
        g.forme.resize(lunghezza * g.voci.size());
        g.voci.clear(); // keeps its capacity: the second pass fills it without growing
    };
    for (size_t l = 0; l < kCorte; ++l) prepara(l, corte_[l]);
    for (auto& [l, g] : lunghe_) prepara(l, g);
    for (size_t i = 0; i < voci.size(); ++i) {
        std::string_view e = voci[i];
        if (!confrontabile(e)) continue;
        Gruppo& g = gruppo(e.size());
        char* f = g.forme.data() + g.voci.size() * e.size();
        for (size_t k = 0; k < e.size(); ++k)
            f[k] = static_cast<char>(accenti::piana(static_cast<unsigned char>(e[k])));
        g.voci.push_back(static_cast<uint32_t>(i));
    }
}

const IndiceScambi::Gruppo* IndiceScambi::perLunghezza(size_t lunghezza) const {
    if (lunghezza < kCorte) return corte_[lunghezza].voci.empty() ? nullptr : &corte_[lunghezza];
    auto it = lunghe_.find(lunghezza);
    return it == lunghe_.end() ? nullptr : &it->second;
}

} // namespace verbolario
