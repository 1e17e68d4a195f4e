#include "search/CercaCambi.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaCambi(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    std::vector<std::string> varianti;
    for (size_t k = 0; k < p.testo.size(); ++k)
        for (char c : Alfabeto(p.esatta)) {
            if (c == p.testo[k]) continue;
            std::string v = p.testo;
            v[k] = c;
            varianti.push_back(std::move(v));
        }
    return CercaVarianti(p, varianti, voci,
                         {"Nessun cambio trovato.", "Un cambio trovato.", " cambi trovati."});
}

} // namespace verbolario
