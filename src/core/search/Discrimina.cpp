#include "search/Discrimina.h"

#include "dictionary/CaricaDizionario.h"
#include "text/Lettere.h"

namespace verbolario {

int64_t ContaConsonanti(std::string_view testo, bool doppie) {
    int64_t n = 0;
    for (size_t i = 0; i < testo.size(); ++i) {
        auto c = static_cast<unsigned char>(testo[i]);
        if (!lettere::isConsonante(c)) continue;
        if (!doppie && i > 0 && testo[i - 1] == testo[i]) continue;
        ++n;
    }
    return n;
}

namespace {

template <class Testo>
void discrimina(std::vector<Testo>& lista, std::string_view modello, bool doppie, Poll& poll) {
    const int64_t massimo = ContaConsonanti(modello, doppie);
    if (massimo == 0) return;
    std::vector<char> tieni(lista.size(), 1);
    for (size_t i = lista.size(); i-- > 0;) {
        if ((i & 1023) == 0 && poll.stop()) break;
        if (ContaConsonanti(SoloTermine(lista[i]), doppie) > massimo) tieni[i] = 0;
    }
    size_t scritti = 0;
    for (size_t i = 0; i < lista.size(); ++i) {
        if (tieni[i]) {
            if (scritti != i) lista[scritti] = std::move(lista[i]);
            ++scritti;
        }
    }
    lista.resize(scritti);
}

} // namespace

void Discrimina(std::vector<std::string>& lista, std::string_view modello, bool doppie,
                Poll& poll) {
    discrimina(lista, modello, doppie, poll);
}

void Discrimina(std::vector<std::string_view>& lista, std::string_view modello, bool doppie,
                Poll& poll) {
    discrimina(lista, modello, doppie, poll);
}

} // namespace verbolario
