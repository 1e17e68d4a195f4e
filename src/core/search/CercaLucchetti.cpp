#include "search/CercaLucchetti.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Ascolto.h"
#include "search/Enigmistica.h"
#include "search/RaccoltaParole.h"
#include "search/RevWord.h"

#include <bit>
#include <cstring>
#include <vector>

namespace verbolario {
namespace {

using namespace enigmistica;

constexpr size_t kComune = 2; // letters of the common part at least

struct Lucchetto {
    const Parola& p;
    const Voci& voci;
    Ascolto& ascolto;
    std::vector<std::string> righe;

    void coppie(std::string_view ta, std::string_view probe, bool aNota) {
        for (std::string_view t : Termini(voci, probe, p.esatta))
            righe.push_back(std::string(aNota ? ta : t) + ' ' + std::string(aNota ? t : ta));
    }

    // Through the words of one side of the split x | z, those that hold their part of the
    // typed word (x at their beginning, words A; or z at their end, words B): the rest of
    // such a word is the common part y, and the word of the other side is y + z, or x + y.
    void daUnLato(size_t s, bool daA, const IndiceParole& ordine, IndiceParole::Intervallo r) {
        const std::string_view x = std::string_view(p.testo).substr(0, s);
        const std::string_view z = std::string_view(p.testo).substr(s);
        const std::string_view sua = daA ? x : z;
        for (size_t k = r.da; k < r.a && ascolto.ancora(); ++k) {
            const std::string_view t = SoloTermine(voci[ordine[k]]);
            if (t.size() < sua.size() + kComune) continue;
            const std::string f = Forma(t, p.esatta);
            const size_t ny = f.size() - sua.size();
            // The order compares folded keys; accents that count must agree as well.
            if (p.esatta && f.compare(daA ? 0 : ny, sua.size(), sua) != 0) continue;
            const std::string_view y = std::string_view(f).substr(daA ? sua.size() : 0, ny);
            coppie(t, daA ? std::string(y).append(z) : std::string(x).append(y), daA);
        }
    }
};

} // namespace

RisultatoRicerca CercaLucchetti(std::string_view testo, const Voci& voci, Poll& poll) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    const IndiceParole& d = IndiceParole::diritto(voci);
    const IndiceParole& r = IndiceParole::rovescio(voci);
    Ascolto ascolto(poll, static_cast<int64_t>(p.testo.size()));
    Lucchetto l{p, voci, ascolto, {}};
    // Each split x | z is walked from the side with fewer words: those that begin with x, or
    // those that end with z.
    for (size_t s = 1; s < p.testo.size() && ascolto.arrivaA(static_cast<int64_t>(s)); ++s) {
        const std::string_view w = p.testo;
        const auto conX = d.conInizio(voci, Piegata(w.substr(0, s)));
        const auto conZ = r.conInizio(voci, Piegata(revWord(w.substr(s))));
        if (conX.size() <= conZ.size())
            l.daUnLato(s, true, d, conX);
        else
            l.daUnLato(s, false, r, conZ);
    }
    RisultatoRicerca esito =
        ElencoRighe(std::move(l.righe),
                    {"Nessun lucchetto trovato.", "Un lucchetto trovato.", " lucchetti trovati."});
    esito.interrotto = ascolto.fermato();
    return esito;
}

namespace {

// Each word that begins with a part x = w[0, s) of the typed word w offers its rest y for
// the split s, as a word A = x + y; each word that ends with z = w[s, n) offers its
// beginning y, as a word B = y + z. A word takes part in a lucchetto only if a word of the
// other side offers the same y for the same split. Offers are compared by a 32-bit hash of
// the split and y: a false match only keeps a word the search then passes over.
struct Offerta {
    uint32_t chiave;
    uint32_t voce; // the entry that offers it
};

// Eight characters at a time: every word that begins or ends as the typed word does goes
// through here, on a large list hundreds of thousands.
uint32_t chiave(size_t s, std::string_view y) {
    constexpr uint64_t kMolt = 0x9E3779B97F4A7C15u;
    uint64_t h = (s << 8 ^ y.size()) * 0xBF58476D1CE4E5B9u;
    while (y.size() >= 8) {
        uint64_t x;
        std::memcpy(&x, y.data(), 8);
        h = (h ^ x) * kMolt;
        h ^= h >> 29;
        y.remove_prefix(8);
    }
    uint64_t x = 0;
    if (!y.empty()) std::memcpy(&x, y.data(), y.size());
    h = (h ^ x) * kMolt;
    return static_cast<uint32_t>(h >> 32);
}

// The keys of one side of a split, looked up by the other side's keys.
class Chiavi {
public:
    explicit Chiavi(const std::vector<Offerta>& offerte)
        : maschera_(std::bit_ceil(2 * offerte.size()) - 1), chiavi_(maschera_ + 1),
          stato_(maschera_ + 1, kVuoto) {
        for (const Offerta& o : offerte) {
            const size_t k = posto(o.chiave);
            chiavi_[k] = o.chiave;
            if (stato_[k] == kVuoto) stato_[k] = kPresente;
        }
    }
    // Whether the key is offered here; if so, it is marked as met.
    bool incontra(uint32_t chiave) {
        const size_t k = posto(chiave);
        if (stato_[k] == kVuoto) return false;
        stato_[k] = kIncontrata;
        return true;
    }
    bool incontrata(uint32_t chiave) const { return stato_[posto(chiave)] == kIncontrata; }

private:
    static constexpr uint8_t kVuoto = 0, kPresente = 1, kIncontrata = 2;
    size_t posto(uint32_t chiave) const {
        size_t k = chiave & maschera_;
        while (stato_[k] != kVuoto && chiavi_[k] != chiave) k = (k + 1) & maschera_;
        return k;
    }
    size_t maschera_;
    std::vector<uint32_t> chiavi_;
    std::vector<uint8_t> stato_;
};

} // namespace

RisultatoRicerca CercaLucchetti(std::string_view testo, FonteVoci& fonte, Poll& poll) {
    const Parola p = Prepara(testo);
    const std::string_view w = p.testo;
    const size_t n = w.size();
    // Per split s: the offers of the words A (prima) and of the words B (dopo), by entry.
    std::vector<std::vector<Offerta>> prima(n), dopo(n);
    const Tavola& tavola = TavolaForme(p.esatta);
    size_t lette = 0;
    std::string f;
    bool fermata = false;
    if (n >= 2)
        fermata = !Passata(fonte, poll, [&](size_t i, std::string_view voce) {
            lette = i + 1;
            // Most words neither begin nor end as the typed word does.
            const std::string_view t = SoloTermine(voce);
            if (t.size() <= kComune ||
                (tavola[static_cast<unsigned char>(t.front())] !=
                     static_cast<unsigned char>(w[0]) &&
                 tavola[static_cast<unsigned char>(t.back())] !=
                     static_cast<unsigned char>(w[n - 1])) ||
                !FormaDi(t, tavola, kComune + 1, SIZE_MAX, f))
                return true;
            const auto voce32 = static_cast<uint32_t>(i);
            const size_t lunghe = std::min(n - 1, f.size() - kComune);
            for (size_t s = 1; s <= lunghe && f[s - 1] == w[s - 1]; ++s)
                prima[s].push_back({chiave(s, std::string_view(f).substr(s)), voce32});
            for (size_t z = 1; z <= lunghe && f[f.size() - z] == w[n - z]; ++z)
                dopo[n - z].push_back(
                    {chiave(n - z, std::string_view(f).substr(0, f.size() - z)), voce32});
            return true;
        });
    // Each split from its side with fewer offers.
    std::vector<bool> prese(lette);
    for (size_t s = 1; s < n; ++s) {
        const bool pochiPrima = prima[s].size() <= dopo[s].size();
        const std::vector<Offerta>& pochi = pochiPrima ? prima[s] : dopo[s];
        const std::vector<Offerta>& molti = pochiPrima ? dopo[s] : prima[s];
        if (pochi.empty()) continue;
        Chiavi chiavi(pochi);
        for (const Offerta& o : molti)
            if (chiavi.incontra(o.chiave)) prese[o.voce] = true;
        for (const Offerta& o : pochi)
            if (chiavi.incontrata(o.chiave)) prese[o.voce] = true;
    }
    prima.clear();
    dopo.clear();
    // After a stop request the words marked are still fetched: they are what was found.
    NoPoll tutte;
    Voci coppie;
    if (!RiprendiVoci(fonte, fermata ? tutte : poll, prese, coppie)) fermata = true;
    RisultatoRicerca r = CercaLucchetti(testo, coppie, tutte);
    r.interrotto = fermata;
    return r;
}

} // namespace verbolario
