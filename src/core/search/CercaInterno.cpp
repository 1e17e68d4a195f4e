#include "search/CercaInterno.h"

#include "dictionary/Riordina.h"
#include "dictionary/VociInMemoria.h"
#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"
#include "search/Passata.h"
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

// What every container search needs of the word typed.
struct Cercata {
    explicit Cercata(std::string_view testo, std::string_view escludi)
        : parola(cp1252::lowered(testo)), piega(accenti::Accentazione(parola) == 0),
          lettere(parola, false), richieste(IndiceAnagrammi::maschera(parola)) {
        for (char c : escludi) esclusa[static_cast<unsigned char>(c)] = true;
    }

    // The entry voce, cleaned to w, holds the word's letters and none to exclude.
    bool contiene(std::string_view voce, std::string_view w) const {
        if (voce.size() < parola.size()) return false;
        if (!lettere.contenutoIn(w, piega)) return false;
        if (w.size() == parola.size() && stessaParola(w, parola, piega)) return false;
        return std::none_of(voce.begin(), voce.end(),
                            [&](char c) { return esclusa[static_cast<unsigned char>(c)]; });
    }

    // The list line of a hit.
    void riga(std::string_view voce, std::string_view w, bool scarti,
              std::vector<std::string>& righe, std::string& avanzi, std::string& ordinati) const {
        std::string& r = righe.emplace_back(voce);
        if (!scarti) return;
        avanzi.clear();
        lettere.contenutoIn(w, piega, &avanzi);
        std::erase(avanzi, kSegno);
        Riordina(avanzi, ordinati);
        r += '\t';
        r += ordinati;
    }

    const std::string parola;
    // An accent typed by the user is meant: entries are then compared unfolded.
    const bool piega;
    const Multinsieme lettere;
    const IndiceAnagrammi::Maschera richieste;
    std::array<bool, 256> esclusa{};
};

} // namespace

EsitoConteggio CercaInterno(std::string_view testo, std::string_view escludi,
                            const ModoContenitori& modo, const Voci& voci, Poll& poll,
                            std::vector<std::string>& righe) {
    const IndiceAnagrammi* pronto = IndiceAnagrammi::pronto(voci, modo.frasi);
    if (!pronto) {
        VociInMemoria fonte(voci);
        return CercaInterno(testo, escludi, modo, fonte, poll, righe);
    }
    const Cercata c(testo, escludi);
    // The entry must be as long as the word as stored and, once cleaned, still hold as many
    // characters; its folded characters cover the word's folded ones.
    const IndiceAnagrammi& indice = *pronto;
    const IndiceAnagrammi::Maschera* maschere = indice.maschere();
    std::vector<uint64_t> trovati; // entry index, then position in the index
    Ascolto ascolto(poll, static_cast<int64_t>(voci.size()));
    ScorriCandidati(
        indice, voci, c.parola.size(), std::numeric_limits<uint32_t>::max(), ascolto,
        [&](IndiceAnagrammi::Maschera m) { return (m & c.richieste) == c.richieste; },
        [&](uint32_t k, uint32_t i, IndiceAnagrammi::Maschera m) {
            if (c.contiene(voci[i], indice.pulita(voci, i, m)))
                trovati.push_back(uint64_t{i} << 32 | k);
        });
    // The entries were visited length by length; the list is in dictionary order.
    std::sort(trovati.begin(), trovati.end());
    righe.reserve(righe.size() + trovati.size());
    std::string avanzi, ordinati;
    for (uint64_t t : trovati) {
        const auto i = static_cast<uint32_t>(t >> 32);
        c.riga(voci[i], indice.pulita(voci, i, maschere[static_cast<uint32_t>(t)]), modo.scarti,
               righe, avanzi, ordinati);
    }
    EsitoConteggio esito;
    esito.conteggio = static_cast<int64_t>(trovati.size());
    esito.interrotto = ascolto.fermato();
    return esito;
}

EsitoConteggio CercaInterno(std::string_view testo, std::string_view escludi,
                            const ModoContenitori& modo, FonteVoci& fonte, Poll& poll,
                            std::vector<std::string>& righe) {
    const Cercata c(testo, escludi);
    EsitoConteggio esito;
    std::string pulita, avanzi, ordinati;
    esito.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        if (e.size() < c.parola.size()) return true;
        std::string_view w = e;
        if (IndiceAnagrammi::vaPulita(e, modo.frasi))
            w = IndiceAnagrammi::pulisci(e, modo.frasi, pulita);
        // Most entries lack one of the letters: their mask says so before any counting.
        if ((IndiceAnagrammi::maschera(w) & c.richieste) != c.richieste || !c.contiene(e, w))
            return true;
        c.riga(e, w, modo.scarti, righe, avanzi, ordinati);
        ++esito.conteggio;
        return true;
    });
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
