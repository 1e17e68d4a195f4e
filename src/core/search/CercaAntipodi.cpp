#include "search/CercaAntipodi.h"

#include "search/Enigmistica.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessun antipodo trovato.", "Un antipodo trovato.", " antipodi trovati."};

std::vector<std::string> varianti(const Parola& p) {
    const std::string& w = p.testo;
    std::vector<std::string> varianti;
    const std::string avanti = w.substr(1) + w.front();
    const std::string indietro = w.back() + w.substr(0, w.size() - 1);
    for (const std::string& v : {avanti, indietro})
        if (v != w) varianti.push_back(v);
    return varianti;
}

} // namespace

RisultatoRicerca CercaAntipodi(std::string_view testo, const Voci& voci) {
    return CercaVarianti(testo, varianti, voci, kNomi);
}

RisultatoRicerca CercaAntipodi(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    return CercaVarianti(testo, varianti, fonte, poll, kNomi);
}

} // namespace verbolario
