#include "search/CercaZeppe.h"

#include "search/Enigmistica.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessuna zeppa trovata.", "Una zeppa trovata.", " zeppe trovate."};

std::vector<std::string> varianti(const Parola& p) {
    std::vector<std::string> varianti;
    for (size_t k = 0; k <= p.testo.size(); ++k)
        for (char c : Alfabeto(p.esatta)) varianti.push_back(std::string(p.testo).insert(k, 1, c));
    return varianti;
}

} // namespace

RisultatoRicerca CercaZeppe(std::string_view testo, const Voci& voci) {
    return CercaVarianti(testo, varianti, voci, kNomi);
}

RisultatoRicerca CercaZeppe(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    return CercaVarianti(testo, varianti, fonte, poll, kNomi);
}

} // namespace verbolario
