#include "search/CercaIncastri.h"

#include "search/Enigmistica.h"

namespace verbolario {

RisultatoRicerca CercaIncastri(std::string_view testo, const Voci& voci) {
    using namespace enigmistica;
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    const std::string_view w = p.testo;
    std::vector<std::string> righe;
    // B takes the letters [k, k + lb); A is what is left around it, non-empty on both sides.
    for (size_t lb = 2; lb + 2 <= w.size(); ++lb)
        for (size_t k = 1; k + lb < w.size(); ++k) {
            const auto interne = Termini(voci, w.substr(k, lb), p.esatta);
            if (interne.empty()) continue;
            const std::string a = std::string(w.substr(0, k)).append(w.substr(k + lb));
            for (std::string_view ta : Termini(voci, a, p.esatta))
                for (std::string_view tb : interne)
                    righe.push_back(std::string(ta.substr(0, k))
                                        .append("(")
                                        .append(tb)
                                        .append(")")
                                        .append(ta.substr(k)));
        }
    return ElencoRighe(std::move(righe),
                       {"Nessun incastro trovato.", "Un incastro trovato.", " incastri trovati."});
}

} // namespace verbolario
