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

// One cached index per direction: the store keys its derived data by type.
template <bool Rovescio> struct IndicePer final : IndiceParole {
    explicit IndicePer(const Voci& voci) : IndiceParole(voci, Rovescio) {}
};

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
    return voci.derived<IndicePer<false>>();
}

const IndiceParole& IndiceParole::rovescio(const Voci& voci) {
    return voci.derived<IndicePer<true>>();
}

IndiceParole::IndiceParole(const Voci& voci, bool rovescio) : rovescio_(rovescio) {
    // Most comparisons are settled by the first eight key characters taken as one number;
    // only words that agree on them are compared in full.
    struct Voce {
        uint64_t testa;
        uint32_t indice;
    };
    std::vector<Voce> voce;
    for (size_t i = 0; i < voci.size(); ++i) {
        const std::string_view t = SoloTermine(voci[i]);
        if (!parola(t)) continue;
        const Chiave k(t, rovescio);
        uint64_t testa = 0;
        for (size_t j = 0; j < 8; ++j) testa = testa << 8 | (j < k.size() ? k[j] : 0);
        voce.push_back({testa, static_cast<uint32_t>(i)});
    }
    std::sort(voce.begin(), voce.end(), [&](const Voce& a, const Voce& b) {
        if (a.testa != b.testa) return a.testa < b.testa;
        const int c = confrontaChiavi(Chiave(SoloTermine(voci[a.indice]), rovescio),
                                      Chiave(SoloTermine(voci[b.indice]), rovescio), 8);
        return c != 0 ? c < 0 : a.indice < b.indice;
    });
    ordine_.reserve(voce.size());
    for (const Voce& v : voce) ordine_.push_back(v.indice);
}

int IndiceParole::confronta(const Voci& voci, uint32_t i, std::string_view chiave,
                            size_t quanti) const {
    const Chiave k(SoloTermine(voci[i]), rovescio_);
    return confrontaChiavi(Troncata{k, std::min(quanti, k.size())}, Testo{chiave});
}

int IndiceParole::confronta(const Voci& voci, uint32_t a, const IndiceParole& altro,
                            uint32_t b) const {
    return confrontaChiavi(Chiave(SoloTermine(voci[a]), rovescio_),
                           Chiave(SoloTermine(voci[b]), altro.rovescio_));
}

IndiceParole::Intervallo IndiceParole::uguali(const Voci& voci, std::string_view chiave) const {
    auto da = std::partition_point(ordine_.begin(), ordine_.end(),
                                   [&](uint32_t i) { return confronta(voci, i, chiave) < 0; });
    auto a = std::partition_point(da, ordine_.end(),
                                  [&](uint32_t i) { return confronta(voci, i, chiave) == 0; });
    return {static_cast<size_t>(da - ordine_.begin()), static_cast<size_t>(a - ordine_.begin())};
}

IndiceParole::Intervallo IndiceParole::conInizio(const Voci& voci, std::string_view inizio) const {
    auto prima = [&](uint32_t i) { return confronta(voci, i, inizio, inizio.size()); };
    auto da = std::partition_point(ordine_.begin(), ordine_.end(),
                                   [&](uint32_t i) { return prima(i) < 0; });
    auto a = std::partition_point(da, ordine_.end(), [&](uint32_t i) { return prima(i) == 0; });
    return {static_cast<size_t>(da - ordine_.begin()), static_cast<size_t>(a - ordine_.begin())};
}

} // namespace verbolario
