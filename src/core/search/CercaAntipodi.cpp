#include "search/CercaAntipodi.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaAntipodi(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    const std::string& w = p.testo;
    std::vector<std::string> varianti;
    const std::string avanti = w.substr(1) + w.front();
    const std::string indietro = w.back() + w.substr(0, w.size() - 1);
    for (const std::string& v : {avanti, indietro})
        if (v != w) varianti.push_back(v);
    return CercaVarianti(
        p, varianti, voci,
        {"Nessun antipodo trovato.", "Un antipodo trovato.", " antipodi trovati."});
}

} // namespace verbolario
