#include "search/CercaSpostamenti.h"

#include "search/Enigmistica.h"

namespace verbolario {
namespace {

using namespace enigmistica;

const Nomi kNomi{"Nessuno spostamento trovato.", "Uno spostamento trovato.",
                 " spostamenti trovati."};

std::vector<std::string> varianti(const Parola& p) {
    std::vector<std::string> varianti;
    const size_t n = p.testo.size();
    for (size_t da = 0; da < n; ++da) {
        const std::string senza = std::string(p.testo).erase(da, 1);
        for (size_t a = 0; a < n; ++a) {
            std::string v = std::string(senza).insert(a, 1, p.testo[da]);
            // Moving a letter next to an equal one, or back to its place, changes nothing.
            if (v != p.testo) varianti.push_back(std::move(v));
        }
    }
    return varianti;
}

} // namespace

RisultatoRicerca CercaSpostamenti(std::string_view testo, const Voci& voci) {
    return CercaVarianti(testo, varianti, voci, kNomi);
}

RisultatoRicerca CercaSpostamenti(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    return CercaVarianti(testo, varianti, fonte, poll, kNomi);
}

} // namespace verbolario
