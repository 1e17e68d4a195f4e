#include "search/CercaZeppe.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaZeppe(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    std::vector<std::string> varianti;
    for (size_t k = 0; k <= p.testo.size(); ++k)
        for (char c : Alfabeto(p.esatta)) varianti.push_back(std::string(p.testo).insert(k, 1, c));
    return CercaVarianti(p, varianti, voci,
                         {"Nessuna zeppa trovata.", "Una zeppa trovata.", " zeppe trovate."});
}

} // namespace verbolario
