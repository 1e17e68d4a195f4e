#include "dictionary/AggiungiVoce.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace verbolario {

bool Assente(const Voci& voci, std::string_view testo) {
    for (size_t i = 0; i < voci.size(); ++i)
        if (voci[i] == testo) return false;
    return true;
}

void AggiungiVoce(Voci& voci, std::string_view testo) {
    voci.append(testo);
}

void AggiungiVoce(std::vector<std::string>& elenco, std::string_view testo) {
    elenco.emplace_back(testo);
}

bool SostituisciVoce(Voci& voci, std::string_view vecchia, std::string_view nuova) {
    for (size_t i = 0; i < voci.size(); ++i) {
        if (voci[i] == vecchia) {
            voci.set(i, nuova);
            return true;
        }
    }
    return false;
}

bool SostituisciVoce(std::vector<std::string>& elenco, std::string_view vecchia,
                     std::string_view nuova) {
    auto it = std::find(elenco.begin(), elenco.end(), vecchia);
    if (it == elenco.end()) return false;
    it->assign(nuova);
    return true;
}

std::optional<std::string> NormalizzaNuovaVoce(std::string_view risposta) {
    size_t a = risposta.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::nullopt;
    size_t b = risposta.find_last_not_of(' ');
    std::string_view t = risposta.substr(a, b - a + 1);
    if (t.size() > kLunghezzaMassimaVoce) return std::nullopt;
    return cp1252::lowered(t);
}

} // namespace verbolario
