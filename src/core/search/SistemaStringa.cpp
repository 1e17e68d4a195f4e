#include "search/SistemaStringa.h"

#include "search/Arrangia.h"
#include "text/Cp1252.h"

namespace verbolario {

std::string SistemaStringa(std::string_view testo, std::string_view chiave) {
    std::string sostituito(testo);
    bool jolly = false;
    for (char& c : sostituito) {
        if (c >= '0' && c <= '9') {
            size_t posto = c == '0' ? 10 : static_cast<size_t>(c - '0');
            if (posto <= chiave.size()) c = chiave[posto - 1];
        } else if (c == '*' || c == '?') {
            jolly = true;
        }
    }
    if (jolly) return sostituito;
    std::string modello = "*";
    for (char c : sostituito) {
        modello.push_back(c);
        modello.push_back('*');
    }
    return modello;
}

bool Incoerente(std::string_view modello, std::string_view chiave, std::string& nuovaChiave) {
    const std::string p = Arrangia(cp1252::lowered(modello));
    std::string k = Arrangia(cp1252::lowered(chiave));
    bool usata = false;
    for (size_t j = k.size(); j-- > 0;) {
        if (p.find(k[j]) != std::string::npos) {
            k.erase(j, 1);
            usata = true;
        }
    }
    nuovaChiave = std::move(k);
    return usata;
}

} // namespace verbolario
