#include "search/IndiceParole.h"

#include "dictionary/CaricaDizionario.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <array>

namespace verbolario {
namespace {

struct Tavole {
    std::array<unsigned char, 256> piega{};
    std::array<bool, 256> lettera{};
    Tavole() {
        for (int c = 0; c < 256; ++c) {
            const unsigned char minuscola = cp1252::lower(static_cast<unsigned char>(c));
            piega[c] = accenti::piana(minuscola);
            lettera[c] = lettere::isAlfabeto(minuscola);
        }
    }
};

const Tavole& tavole() {
    static const Tavole t;
    return t;
}

// Reads the key of one term, forwards or backwards.
class Chiave {
public:
    Chiave(std::string_view termine, bool rovescio) : t_(termine), rovescio_(rovescio) {}
    size_t size() const { return t_.size(); }
    unsigned char operator[](size_t j) const {
        return tavole()
            .piega[static_cast<unsigned char>(rovescio_ ? t_[t_.size() - 1 - j] : t_[j])];
    }

private:
    std::string_view t_;
    bool rovescio_;
};

template <class A, class B> int confrontaChiavi(const A& a, const B& b, size_t da = 0) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t j = da; j < n; ++j)
        if (a[j] != b[j]) return a[j] < b[j] ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

struct Testo {
    std::string_view s;
    size_t size() const { return s.size(); }
    unsigned char operator[](size_t j) const { return static_cast<unsigned char>(s[j]); }
};

// A key cut to its first characters, for prefix tests.
struct Troncata {
    Chiave c;
    size_t n;
    size_t size() const { return n; }
    unsigned char operator[](size_t j) const { return c[j]; }
};

// Key characters [da, da + n) as one number, zeros past the key's end.
template <class K> uint64_t testaDi(const K& k, size_t n, size_t da = 0) {
    uint64_t t = 0;
    for (size_t j = da; j < da + n; ++j) t = t << 8 | (j < k.size() ? k[j] : 0);
    return t;
}

struct Voce {
    uint64_t alta, bassa; // sixteen key characters from the depth being ordered
    uint32_t indice;
    uint32_t testa; // the first four key characters
};

void leggiChiave(Voce& v, const Chiave& c, size_t profondo) {
    v.alta = testaDi(c, 8, profondo);
    v.bassa = testaDi(c, 8, profondo + 8);
}

// Orders words [da, a) by key, sixteen characters at a time, going deeper only among the
// words that agree so far: the sort itself never reaches into the dictionary, and the keys
// (read in sorted order, which jumps around memory) are read again only for the few words
// that share their first sixteen characters. Words with equal keys stay in dictionary order.
void ordina(std::vector<Voce>& v, size_t da, size_t a, size_t profondo, const Voci& voci,
            bool rovescio) {
    // The first sixteen characters are already in place, read in memory order.
    if (profondo > 0)
        for (size_t k = da; k < a; ++k)
            leggiChiave(v[k], Chiave(SoloTermine(voci[v[k].indice]), rovescio), profondo);
    std::sort(v.begin() + static_cast<ptrdiff_t>(da), v.begin() + static_cast<ptrdiff_t>(a),
              [](const Voce& x, const Voce& y) {
                  if (x.alta != y.alta) return x.alta < y.alta;
                  return x.bassa != y.bassa ? x.bassa < y.bassa : x.indice < y.indice;
              });
    for (size_t k = da; k < a;) {
        size_t fine = k + 1;
        while (fine < a && v[fine].alta == v[k].alta && v[fine].bassa == v[k].bassa) ++fine;
        // Keys that end among these characters are equal: nothing more to order.
        if (fine - k > 1 && (v[k].bassa & 0xFF) != 0)
            ordina(v, k, fine, profondo + 16, voci, rovescio);
        k = fine;
    }
}

} // namespace

unsigned char IndiceParole::piega(unsigned char c) {
    return tavole().piega[c];
}

bool IndiceParole::parola(std::string_view termine) {
    if (termine.empty()) return false;
    for (char c : termine)
        if (!tavole().lettera[static_cast<unsigned char>(c)]) return false;
    return true;
}

const IndiceParole& IndiceParole::diritto(const Voci& voci) {
    return voci.derived<OrdiniParole>().diritto;
}

const IndiceParole& IndiceParole::rovescio(const Voci& voci) {
    return voci.derived<OrdiniParole>().rovescio;
}

IndiceParole::IndiceParole(const Voci& voci, bool rovescio) : rovescio_(rovescio) {
    std::vector<Voce> voce;
    for (size_t i = 0; i < voci.size(); ++i) {
        const std::string_view t = SoloTermine(voci[i]);
        if (!parola(t)) continue;
        Voce& v = voce.emplace_back();
        v.indice = static_cast<uint32_t>(i);
        leggiChiave(v, Chiave(t, rovescio), 0);
        v.testa = static_cast<uint32_t>(v.alta >> 32);
    }
    ordina(voce, 0, voce.size(), 0, voci, rovescio);
    ordine_.reserve(voce.size());
    teste_.reserve(voce.size());
    for (const Voce& v : voce) {
        ordine_.push_back(v.indice);
        teste_.push_back(v.testa);
    }
}

int IndiceParole::confronta(const Voci& voci, uint32_t i, std::string_view chiave,
                            size_t quanti) const {
    const Chiave k(SoloTermine(voci[i]), rovescio_);
    return confrontaChiavi(Troncata{k, std::min(quanti, k.size())}, Testo{chiave});
}

int IndiceParole::confronta(const Voci& voci, size_t a, const IndiceParole& altro, size_t b) const {
    if (teste_[a] != altro.teste_[b]) return teste_[a] < altro.teste_[b] ? -1 : 1;
    return confrontaChiavi(Chiave(SoloTermine(voci[ordine_[a]]), rovescio_),
                           Chiave(SoloTermine(voci[altro.ordine_[b]]), altro.rovescio_), 4);
}

IndiceParole::Intervallo IndiceParole::tra(uint32_t minima, uint32_t massima) const {
    auto da = std::lower_bound(teste_.begin(), teste_.end(), minima);
    auto a = std::upper_bound(da, teste_.end(), massima);
    return {static_cast<size_t>(da - teste_.begin()), static_cast<size_t>(a - teste_.begin())};
}

IndiceParole::Intervallo IndiceParole::stringi(const Voci& voci, Intervallo r,
                                               std::string_view chiave, size_t quanti) const {
    auto confronto = [&](uint32_t i) { return confronta(voci, i, chiave, quanti); };
    const auto base = ordine_.begin();
    auto da = std::partition_point(base + static_cast<ptrdiff_t>(r.da),
                                   base + static_cast<ptrdiff_t>(r.a),
                                   [&](uint32_t i) { return confronto(i) < 0; });
    auto a = std::partition_point(da, base + static_cast<ptrdiff_t>(r.a),
                                  [&](uint32_t i) { return confronto(i) == 0; });
    return {static_cast<size_t>(da - base), static_cast<size_t>(a - base)};
}

IndiceParole::Intervallo IndiceParole::uguali(const Voci& voci, std::string_view chiave) const {
    const uint32_t t = static_cast<uint32_t>(testaDi(Testo{chiave}, 4));
    const Intervallo r = tra(t, t);
    // Keys shorter than four characters are settled by the heads alone.
    if (chiave.size() < 4) return r;
    return stringi(voci, r, chiave, SIZE_MAX);
}

IndiceParole::Intervallo IndiceParole::conInizio(const Voci& voci, std::string_view inizio) const {
    const size_t n = std::min<size_t>(inizio.size(), 4);
    const auto minima = static_cast<uint32_t>(testaDi(Testo{inizio.substr(0, n)}, 4));
    const uint32_t massima = minima | (n == 4 ? 0 : 0xFFFFFFFFu >> (8 * n));
    const Intervallo r = tra(minima, massima);
    if (inizio.size() <= 4) return r;
    return stringi(voci, r, inizio, inizio.size());
}

} // namespace verbolario
