#include "search/CercaSpostamenti.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaSpostamenti(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    std::vector<std::string> varianti;
    const size_t n = p.testo.size();
    for (size_t da = 0; da < n; ++da) {
        const std::string senza = std::string(p.testo).erase(da, 1);
        for (size_t a = 0; a < n; ++a) {
            std::string v = std::string(senza).insert(a, 1, p.testo[da]);
            // Moving a letter next to an equal one, or back to its place, changes nothing.
            if (v != p.testo) varianti.push_back(std::move(v));
        }
    }
    return CercaVarianti(
        p, varianti, voci,
        {"Nessuno spostamento trovato.", "Uno spostamento trovato.", " spostamenti trovati."});
}

} // namespace verbolario
