#include "search/CercaScarti.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaScarti(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    std::vector<std::string> varianti;
    // A one-letter word leaves nothing to look for.
    if (p.testo.size() > 1)
        for (size_t k = 0; k < p.testo.size(); ++k)
            varianti.push_back(std::string(p.testo).erase(k, 1));
    return CercaVarianti(p, varianti, voci,
                         {"Nessuno scarto trovato.", "Uno scarto trovato.", " scarti trovati."});
}

} // namespace verbolario
