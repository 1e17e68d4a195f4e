#include "search/CercaScarti.h"

#include "search/Enigmistica.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessuno scarto trovato.", "Uno scarto trovato.", " scarti trovati."};

std::vector<std::string> varianti(const Parola& p) {
    std::vector<std::string> varianti;
    // A one-letter word leaves nothing to look for.
    if (p.testo.size() > 1)
        for (size_t k = 0; k < p.testo.size(); ++k)
            varianti.push_back(std::string(p.testo).erase(k, 1));
    return varianti;
}

} // namespace

RisultatoRicerca CercaScarti(std::string_view testo, const Voci& voci) {
    return CercaVarianti(testo, varianti, voci, kNomi);
}

RisultatoRicerca CercaScarti(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    return CercaVarianti(testo, varianti, fonte, poll, kNomi);
}

} // namespace verbolario
