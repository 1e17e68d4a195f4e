#include "search/CercaCambi.h"

#include "search/Enigmistica.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessun cambio trovato.", "Un cambio trovato.", " cambi trovati."};

std::vector<std::string> varianti(const Parola& p) {
    std::vector<std::string> varianti;
    for (size_t k = 0; k < p.testo.size(); ++k)
        for (char c : Alfabeto(p.esatta)) {
            if (c == p.testo[k]) continue;
            std::string v = p.testo;
            v[k] = c;
            varianti.push_back(std::move(v));
        }
    return varianti;
}

} // namespace

RisultatoRicerca CercaCambi(std::string_view testo, const Voci& voci) {
    return CercaVarianti(testo, varianti, voci, kNomi);
}

RisultatoRicerca CercaCambi(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    return CercaVarianti(testo, varianti, fonte, poll, kNomi);
}

} // namespace verbolario
