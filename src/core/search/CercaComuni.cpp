#include "search/CercaComuni.h"

#include "dictionary/CaricaDizionario.h"
#include "dictionary/Riordina.h"
#include "search/Ascolto.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace verbolario {
namespace {

// Words this long or longer are never taken as the shortest.
constexpr size_t kLunghezzaScelta = 100;

std::vector<std::string_view> parole(std::string_view testo) {
    std::vector<std::string_view> pezzi;
    size_t inizio = 0;
    for (size_t k = 0; k <= testo.size(); ++k) {
        if (k < testo.size() && testo[k] != ' ') continue;
        // A run of blanks (a blank line in the list) is not a word: counting it would leave
        // no letter in common.
        if (k > inizio) pezzi.push_back(testo.substr(inizio, k - inizio));
        inizio = k + 1;
    }
    return pezzi;
}

} // namespace

std::string LettereComuni(std::string_view testo) {
    // Accents folded, then lower case (a capital keeps its accent), in one pass.
    static const auto kPiano = [] {
        std::array<char, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[c] = static_cast<char>(cp1252::lower(accenti::piana(static_cast<unsigned char>(c))));
        return t;
    }();
    std::string piano(testo.size(), '\0');
    for (size_t k = 0; k < testo.size(); ++k)
        piano[k] = kPiano[static_cast<unsigned char>(testo[k])];
    const std::vector<std::string_view> pezzi = parole(piano);
    std::string_view corta;
    for (std::string_view p : pezzi)
        if (p.size() < kLunghezzaScelta && (corta.empty() || p.size() < corta.size())) corta = p;

    std::string comuni;
    for (char c : Riordina(corta))
        if (std::all_of(pezzi.begin(), pezzi.end(),
                        [c](std::string_view p) { return p.find(c) != std::string_view::npos; }))
            comuni.push_back(c);
    return comuni;
}

RisultatoRicerca CercaComuni(const std::vector<std::string>& righeList1, Poll& poll) {
    RisultatoRicerca out;
    std::string testo;
    Ascolto ascolto(poll, static_cast<int64_t>(righeList1.size()));
    for (size_t k = 0; k < righeList1.size(); ++k) {
        if (!ascolto.arrivaA(static_cast<int64_t>(k))) break;
        testo.push_back(' ');
        testo.append(SoloTermine(righeList1[k]));
    }
    out.interrotto = ascolto.fermato();
    out.righe.push_back(LettereComuni(trimSpazi(testo)));
    out.stato = "Lettere comuni delle parole nella lista.";
    return out;
}

} // namespace verbolario
