// The wildcard matcher, the pattern taken apart for scanning, and the pattern index, against
// a plain matcher that walks pattern and text together. The first line of the input is the
// pattern, every further line an entry of the dictionary.

#include "Fuzz.h"

#include "search/Arrangia.h"
#include "search/IndiceModello.h"
#include "search/Modello.h"
#include "text/Accenti.h"
#include "text/Wildcard.h"

#include <algorithm>
#include <limits>
#include <optional>

using namespace verbolario;
using namespace verbolario::fuzz;

namespace {

// Longer patterns add nothing but time to the plain matcher.
constexpr size_t kModelloMassimo = 64;

// One element of a pattern: "*", or the one character it accepts.
struct Elemento {
    bool asterisco = false;
    std::string_view lista; // the text between the brackets, for a bracketed list
    char carattere = 0;     // otherwise: '?', '#' or a literal character
    bool elenco = false;
};

bool accetta(const Elemento& e, unsigned char c) {
    if (!e.elenco) {
        if (e.carattere == '?') return true;
        if (e.carattere == '#') return c >= '0' && c <= '9';
        return c == static_cast<unsigned char>(e.carattere);
    }
    std::string_view l = e.lista;
    const bool negato = !l.empty() && l[0] == '!';
    if (negato) l.remove_prefix(1);
    bool dentro = false;
    for (size_t k = 0; k < l.size();) {
        // A hyphen between two characters makes a range, read from the left.
        if (k + 2 < l.size() && l[k + 1] == '-') {
            dentro = dentro || (static_cast<unsigned char>(l[k]) <= c &&
                                c <= static_cast<unsigned char>(l[k + 2]));
            k += 3;
        } else {
            dentro = dentro || static_cast<unsigned char>(l[k]) == c;
            ++k;
        }
    }
    return dentro != negato;
}

// The elements of the pattern; nothing when a "[" is never closed (then nothing matches).
std::optional<std::vector<Elemento>> elementi(std::string_view p) {
    std::vector<Elemento> out;
    for (size_t i = 0; i < p.size(); ++i) {
        Elemento e;
        if (p[i] == '*') {
            e.asterisco = true;
        } else if (p[i] == '[') {
            const size_t chiusa = p.find(']', i + 1);
            if (chiusa == p.npos) return std::nullopt;
            e.elenco = true;
            e.lista = p.substr(i + 1, chiusa - i - 1);
            i = chiusa;
        } else {
            e.carattere = p[i];
        }
        out.push_back(e);
    }
    return out;
}

// Whether the whole text matches: fatto[i][j] says whether the first i elements can cover
// the first j characters.
bool combacia(const std::optional<std::vector<Elemento>>& p, std::string_view t) {
    if (!p) return false;
    const size_t m = p->size(), n = t.size();
    std::vector<std::vector<char>> fatto(m + 1, std::vector<char>(n + 1, 0));
    fatto[0][0] = 1;
    for (size_t i = 1; i <= m; ++i) {
        const Elemento& e = (*p)[i - 1];
        for (size_t j = 0; j <= n; ++j) {
            if (e.asterisco)
                fatto[i][j] = fatto[i - 1][j] || (j > 0 && fatto[i][j - 1]);
            else
                fatto[i][j] = j > 0 && fatto[i - 1][j - 1] &&
                              accetta(e, static_cast<unsigned char>(t[j - 1]));
        }
    }
    return fatto[m][n];
}

// The form of an entry a pattern search compares: without blanks and the like when it holds
// a blank or a hyphen, and with accents folded unless the pattern has one.
std::string forma(std::string_view voce, bool accenti) {
    std::string f = VaRiscritta(voce) ? Arrangia(voce) : std::string(voce);
    return accenti ? f : accenti::NoAcc(f);
}

// Lists a hit or not by a rule of its own, and checks what the index tells it about each hit.
class FiltroProva final : public IndiceModello::Filtro {
public:
    bool ammette(uint64_t firma, std::string_view forma) const override {
        verifica(firma == Firma(forma), "the index gives the filter the hit's letter signature");
        return scelta(forma);
    }
    bool bastaFirma() const override { return false; }
    static bool scelta(std::string_view forma) { return forma.size() % 3 != 1; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view in = testo(data, size);
    const size_t fine = in.find('\n');
    const std::string_view modello = in.substr(0, std::min(fine, kModelloMassimo));
    Voci voci;
    if (fine != in.npos)
        for (std::string_view voce : righe(in.substr(fine + 1))) voci.append(voce);

    const auto piano = elementi(modello);
    const Wildcard wildcard(modello);
    const Modello scomposto(modello);
    verifica(wildcard.valido() == piano.has_value() && scomposto.valido() == piano.has_value(),
             "a pattern is invalid exactly when a bracket is left open");
    for (bool accenti : {false, true}) {
        std::vector<uint32_t> attese;
        for (size_t i = 0; i < voci.size(); ++i) {
            for (const std::string& t : {std::string(voci[i]), forma(voci[i], accenti)}) {
                const bool si = combacia(piano, t);
                verifica(wildcard.matches(t) == si,
                         "the wildcard matcher agrees with the plain one");
                verifica(scomposto.combacia(t) == si,
                         "the split pattern agrees with the plain one");
                if (!si) continue;
                verifica(t.size() >= wildcard.minLength() &&
                             (wildcard.hasStar() || t.size() == wildcard.minLength()) &&
                             wildcard.minLength() == scomposto.lunghezzaMinima(),
                         "a match is as long as the pattern says");
                verifica((Firma(t) & scomposto.lettereRichieste()) == scomposto.lettereRichieste(),
                         "a match holds the letters the pattern asks for");
                verifica(!scomposto.esigeAccento() || accenti::haAccenti(t),
                         "a match holds an accent when the pattern asks for one");
            }
            if (combacia(piano, forma(voci[i], accenti)))
                attese.push_back(static_cast<uint32_t>(i));
        }
        IndiceModello::Trovate tutte, filtrate;
        NoPoll poll;
        const IndiceModello& indice = voci.derived<IndiceModello>();
        const int64_t senzaLimite = std::numeric_limits<int64_t>::max();
        verifica(indice.cerca(voci, scomposto, accenti, senzaLimite, nullptr, tutte, poll),
                 "a search without stop requests completes");
        verifica(tutte.indici == attese, "the pattern index finds what a plain scan finds");
        verifica(
            std::all_of(tutte.elencate.begin(), tutte.elencate.end(), [](uint8_t e) { return e; }),
            "without a filter every hit is listed");
        FiltroProva filtro;
        indice.cerca(voci, scomposto, accenti, senzaLimite, &filtro, filtrate, poll);
        verifica(filtrate.indici == attese, "a filter does not change the hits");
        for (size_t k = 0; k < attese.size(); ++k)
            verifica((filtrate.elencate[k] != 0) ==
                         FiltroProva::scelta(forma(voci[attese[k]], accenti)),
                     "the filter judges the compared form of each hit");
    }
    return 0;
}
