#include "search/CercaInterno.h"

#include "dictionary/Riordina.h"
#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/ScorriCandidati.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <array>
#include <limits>

namespace verbolario {
namespace {

// The character that takes the place of a used-up letter: a character like it already in an
// entry is never a letter left over.
constexpr char kSegno = lettere::kSegno;

// w, folded when asked, spells parola.
bool stessaParola(std::string_view w, std::string_view parola, bool piega) {
    if (w.size() != parola.size()) return false;
    for (size_t j = 0; j < w.size(); ++j) {
        auto u = static_cast<unsigned char>(w[j]);
        if ((piega ? Multinsieme::piega(u) : u) != static_cast<unsigned char>(parola[j]))
            return false;
    }
    return true;
}

} // namespace

EsitoConteggio CercaInterno(std::string_view testo, std::string_view escludi,
                            const ModoContenitori& modo, const Voci& voci, Poll& poll,
                            std::vector<std::string>& righe) {
    const std::string parola = cp1252::lowered(testo);
    // An accent typed by the user is meant: entries are then compared unfolded.
    const bool piega = accenti::Accentazione(parola) == 0;
    const Multinsieme cercate(parola, false);
    const IndiceAnagrammi::Maschera richieste = IndiceAnagrammi::maschera(parola);
    std::array<bool, 256> esclusa{};
    for (char c : escludi) esclusa[static_cast<unsigned char>(c)] = true;

    // The entry must be as long as the word as stored and, once cleaned, still hold as many
    // characters; its folded characters cover the word's folded ones.
    const IndiceAnagrammi& indice = IndiceAnagrammi::di(voci, modo.frasi);
    const IndiceAnagrammi::Maschera* maschere = indice.maschere();
    std::vector<uint64_t> trovati; // entry index, then position in the index
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    ScorriCandidati(
        indice, voci, parola.size(), std::numeric_limits<uint32_t>::max(), ascolto,
        [&](IndiceAnagrammi::Maschera m) { return (m & richieste) == richieste; },
        [&](uint32_t k, uint32_t i, IndiceAnagrammi::Maschera m) {
            const std::string_view voce = voci[i];
            if (voce.size() < parola.size()) return;
            const std::string_view w = indice.pulita(voci, i, m);
            if (!cercate.contenutoIn(w, piega)) return;
            if (w.size() == parola.size() && stessaParola(w, parola, piega)) return;
            if (std::any_of(voce.begin(), voce.end(),
                            [&](char c) { return esclusa[static_cast<unsigned char>(c)]; }))
                return;
            trovati.push_back(uint64_t{i} << 32 | k);
        });
    // The entries were visited length by length; the list is in dictionary order.
    std::sort(trovati.begin(), trovati.end());
    righe.reserve(righe.size() + trovati.size());
    std::string avanzi, ordinati;
    for (uint64_t t : trovati) {
        const auto i = static_cast<uint32_t>(t >> 32);
        std::string& riga = righe.emplace_back(voci[i]);
        if (modo.scarti) {
            avanzi.clear();
            cercate.contenutoIn(indice.pulita(voci, i, maschere[static_cast<uint32_t>(t)]), piega,
                                &avanzi);
            std::erase(avanzi, kSegno);
            Riordina(avanzi, ordinati);
            riga += '\t';
            riga += ordinati;
        }
    }
    EsitoConteggio esito;
    esito.conteggio = static_cast<int64_t>(trovati.size());
    esito.interrotto = ascolto.fermato();
    return esito;
}

RichiestaContenitori PreparaContenitori(std::string_view testo, std::string_view chiave) {
    RichiestaContenitori r;
    r.parola = cp1252::lowered(trimSpazi(testo));
    const std::string k = cp1252::lowered(trimSpazi(chiave));
    for (char& c : r.parola) {
        if (c < '0' || c > '9') continue;
        const size_t posto = c == '0' ? 10 : static_cast<size_t>(c - '0');
        if (posto <= k.size()) c = k[posto - 1];
    }
    for (char c : k)
        if (lettere::isAlfabeto(static_cast<unsigned char>(c)) &&
            r.parola.find(c) == std::string::npos && r.escludi.find(c) == std::string::npos)
            r.escludi += c;
    return r;
}

} // namespace verbolario
