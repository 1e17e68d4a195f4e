#include "search/TuttiAnagrammi.h"

#include "search/Anticipo.h"
#include "search/Ascolto.h"
#include "search/IndiceAnagrammi.h"
#include "search/Multinsieme.h"

#include <algorithm>
#include <array>
#include <numeric>

// Instead of one pass over the dictionary per entry, the entries are grouped once by their
// letters. Entries with different letters never meet in a group, and what happens inside one
// such class depends only on the order of its members, so each class is played through on
// its own and the groups it yields are listed in the order of the entries that open them.

namespace verbolario {
namespace {

// Entries of this many characters or fewer never open a group.
constexpr size_t kCortaMassima = 3;

// An order-free fingerprint of the letters: the sum of one random number per character.
// Equal letters give equal fingerprints; the letters are compared anyway.
struct Casuali {
    std::array<uint64_t, 256> v{};
    constexpr Casuali() {
        uint64_t x = 0x9E3779B97F4A7C15u;
        for (auto& r : v) {
            x += 0x9E3779B97F4A7C15u;
            uint64_t z = x;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
            r = z ^ (z >> 31);
        }
    }
};
constexpr Casuali kCasuali;

// The upper half of a fingerprint beside the entry's index, in one number: sorting these
// puts equal fingerprints together in dictionary order. Half a fingerprint may be shared by
// different letters now and then; the letters are compared anyway.
struct Impronta {
    uint64_t chiave;
    Impronta() = default;
    Impronta(uint64_t impronta, uint32_t voce)
        : chiave((impronta & ~uint64_t{0xFFFFFFFF}) | voce) {}
    uint32_t voce() const { return static_cast<uint32_t>(chiave); }
    uint32_t valore() const { return static_cast<uint32_t>(chiave >> 32); }
    bool operator<(const Impronta& o) const { return chiave < o.chiave; }
};

// How many entries ahead the reference, and then the text, of a run's members are asked for.
constexpr size_t kAnticipoRif = 48;
constexpr size_t kAnticipoTesto = 24;

struct Gruppo {
    uint32_t capo; // the entry that opens it
    size_t inizio; // its first line
    size_t quanti; // lines before the one of the entry that opens it
};

class Raggruppatore {
public:
    Raggruppatore(const Voci& voci, const IndiceAnagrammi& indice) : voci_(voci), indice_(indice) {}

    // The entries of one run of equal fingerprints, in dictionary order.
    void gruppiDi(const Impronta* da, const Impronta* a);

    std::vector<Gruppo> gruppi;
    // The lines of every group, its other members first, then the entry that opens it; made
    // while the entries are at hand, put in order at the end.
    std::vector<std::string> linee;

private:
    struct Membro {
        uint32_t voce;
        uint32_t stessa;          // members with the same number spell the same folded text
        size_t inizio, lunghezza; // of the folded text in testi_
    };
    std::string_view piegata(const Membro& m) const {
        return {testi_.data() + m.inizio, m.lunghezza};
    }
    bool stesseLettere(const Membro& m);
    void separaImpronteUguali();
    void classe(Membro* da, Membro* a);

    const Voci& voci_;
    const IndiceAnagrammi& indice_;
    std::string testi_;
    std::vector<Membro> membri_;
    std::array<int32_t, 256> conta_{}; // the letters of the run's first member
    std::vector<uint32_t> perTesto_;
    std::vector<uint32_t> contaStessa_;
    std::vector<char> libero_;
};

void Raggruppatore::gruppiDi(const Impronta* da, const Impronta* a) {
    testi_.clear();
    membri_.clear();
    for (const Impronta* p = da; p != a; ++p) {
        const std::string_view w = indice_.pulitaDi(voci_, p->voce());
        const size_t inizio = testi_.size();
        testi_.resize(inizio + w.size());
        for (size_t q = 0; q < w.size(); ++q)
            testi_[inizio + q] =
                static_cast<char>(Multinsieme::piega(static_cast<unsigned char>(w[q])));
        membri_.push_back({p->voce(), 0, inizio, w.size()});
    }
    for (char c : piegata(membri_.front())) ++conta_[static_cast<unsigned char>(c)];
    const bool tutti = std::all_of(membri_.begin() + 1, membri_.end(),
                                   [&](const Membro& m) { return stesseLettere(m); });
    for (char c : piegata(membri_.front())) conta_[static_cast<unsigned char>(c)] = 0;
    if (tutti)
        classe(membri_.data(), membri_.data() + membri_.size());
    else
        separaImpronteUguali();
}

bool Raggruppatore::stesseLettere(const Membro& m) {
    // Members of a run have the same length: using up the first one's letters suffices.
    const std::string_view w = piegata(m);
    size_t k = 0;
    while (k < w.size() && --conta_[static_cast<unsigned char>(w[k])] >= 0) ++k;
    const bool uguali = k == w.size();
    if (!uguali) ++k; // the letter that failed was counted too
    for (size_t j = 0; j < k; ++j) ++conta_[static_cast<unsigned char>(w[j])];
    return uguali;
}

// Different letters with the same fingerprint are all but impossible; when it happens the
// run is split by its sorted letters, each part keeping dictionary order.
void Raggruppatore::separaImpronteUguali() {
    std::vector<std::string> chiavi;
    for (const Membro& m : membri_) {
        chiavi.emplace_back(piegata(m));
        std::sort(chiavi.back().begin(), chiavi.back().end());
    }
    std::vector<uint32_t> ordine(membri_.size());
    std::iota(ordine.begin(), ordine.end(), 0u);
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&](uint32_t x, uint32_t y) { return chiavi[x] < chiavi[y]; });
    std::vector<Membro> ordinati;
    for (uint32_t x : ordine) ordinati.push_back(membri_[x]);
    for (size_t k = 0; k < ordine.size();) {
        size_t fine = k + 1;
        while (fine < ordine.size() && chiavi[ordine[fine]] == chiavi[ordine[k]]) ++fine;
        if (fine - k > 1) classe(ordinati.data() + k, ordinati.data() + fine);
        k = fine;
    }
}

// Plays the pass over the dictionary through for the members of one class, in dictionary
// order: a member not yet taken and long enough lists every member not yet taken that does
// not spell the same folded text, when there is one; either way it is then taken itself.
void Raggruppatore::classe(Membro* da, Membro* a) {
    const auto n = static_cast<size_t>(a - da);
    perTesto_.resize(n);
    std::iota(perTesto_.begin(), perTesto_.end(), 0u);
    std::sort(perTesto_.begin(), perTesto_.end(), [&](uint32_t x, uint32_t y) {
        const auto px = piegata(da[x]), py = piegata(da[y]);
        return px != py ? px < py : x < y;
    });
    contaStessa_.assign(n, 0);
    uint32_t numero = 0;
    for (size_t k = 0; k < n; ++k) {
        if (k > 0 && piegata(da[perTesto_[k]]) != piegata(da[perTesto_[k - 1]])) ++numero;
        da[perTesto_[k]].stessa = numero;
        ++contaStessa_[numero];
    }
    libero_.assign(n, 1);
    size_t liberi = n;
    auto prendi = [&](size_t t) {
        libero_[t] = 0;
        --liberi;
        --contaStessa_[da[t].stessa];
    };
    for (size_t j = 0; j < n; ++j) {
        if (!libero_[j] || voci_[da[j].voce].size() <= kCortaMassima) continue;
        if (liberi > contaStessa_[da[j].stessa]) {
            Gruppo g{da[j].voce, linee.size(), 0};
            for (size_t t = 0; t < n; ++t)
                if (libero_[t] && da[t].stessa != da[j].stessa) {
                    linee.emplace_back(voci_[da[t].voce]);
                    ++g.quanti;
                    prendi(t);
                }
            linee.emplace_back(voci_[da[j].voce]);
            gruppi.push_back(g);
        }
        prendi(j);
    }
}

// Sorts keys by their upper 32 bits, keeping the order of keys with equal upper bits (three
// passes of a stable counting sort, 11 bits each). Entries come in dictionary order, so
// equal fingerprints stay in dictionary order.
void ordinaPerImpronta(Impronta* da, Impronta* a, std::vector<Impronta>& appoggio) {
    const auto n = static_cast<size_t>(a - da);
    if (n < 256) {
        std::sort(da, a);
        return;
    }
    appoggio.resize(n);
    Impronta* sorgente = da;
    Impronta* meta = appoggio.data();
    constexpr int kBit = 11;
    for (int spostamento = 32; spostamento < 64; spostamento += kBit) {
        std::array<size_t, (1u << kBit) + 1> posto{};
        const auto cifra = [&](const Impronta& x) {
            return static_cast<size_t>((x.chiave >> spostamento) & ((1u << kBit) - 1));
        };
        for (size_t k = 0; k < n; ++k) ++posto[cifra(sorgente[k]) + 1];
        for (size_t c = 1; c < posto.size(); ++c) posto[c] += posto[c - 1];
        for (size_t k = 0; k < n; ++k) meta[posto[cifra(sorgente[k])]++] = sorgente[k];
        std::swap(sorgente, meta);
    }
    if (sorgente != da) std::copy(sorgente, sorgente + n, da);
}

// The fingerprints of every entry, entries of the same cleaned length together (in the
// order of the index's lengths) and in dictionary order within a length. The entries are
// read in the order they lie in memory.
bool improntePerLunghezza(const Voci& voci, const IndiceAnagrammi& indice, bool conImpronte,
                          Ascolto& ascolto, std::vector<Impronta>& impronte) {
    const std::vector<uint32_t>& lunghezze = indice.lunghezze();
    std::vector<size_t> posto(indice.inizi().begin(), indice.inizi().end() - 1);
    impronte.resize(indice.size());
    for (size_t i = 0; i < indice.size(); ++i) {
        if (!ascolto.arrivaA(static_cast<int64_t>(i))) return false;
        const std::string_view w = indice.pulitaDi(voci, static_cast<uint32_t>(i));
        uint64_t h = 0;
        if (conImpronte)
            for (char c : w) h += kCasuali.v[Multinsieme::piega(static_cast<unsigned char>(c))];
        const auto b = std::lower_bound(lunghezze.begin(), lunghezze.end(), w.size());
        impronte[posto[static_cast<size_t>(b - lunghezze.begin())]++] = {h,
                                                                         static_cast<uint32_t>(i)};
    }
    return true;
}

// Groups each length's entries by their fingerprints; false when the user stopped it.
bool raggruppaPerLunghezza(const Voci& voci, const IndiceAnagrammi& indice,
                           std::vector<Impronta>& impronte, Ascolto& ascolto,
                           Raggruppatore& raggruppa) {
    const Anticipo anticipo(voci);
    std::vector<Impronta> appoggio;
    const std::vector<size_t>& inizi = indice.inizi();
    for (size_t b = 0; b + 1 < inizi.size(); ++b) {
        const auto da = impronte.begin() + static_cast<ptrdiff_t>(inizi[b]);
        const auto a = impronte.begin() + static_cast<ptrdiff_t>(inizi[b + 1]);
        ordinaPerImpronta(&*da, &*a, appoggio);
        auto rif = da, testo = da;
        for (auto it = da; it != a;) {
            // Grouping takes as long as the pass before it, so it must stay stoppable too.
            if (!ascolto.ancora()) return false;
            auto fine = it + 1;
            while (fine != a && fine->valore() == it->valore()) ++fine;
            if (fine - it > 1) {
                for (; rif != a && rif - fine < static_cast<ptrdiff_t>(kAnticipoRif); ++rif)
                    anticipo.riferimento(rif->voce());
                for (; testo != a && testo - fine < static_cast<ptrdiff_t>(kAnticipoTesto); ++testo)
                    anticipo.testo(testo->voce());
                raggruppa.gruppiDi(&*it, &*it + (fine - it));
            }
            it = fine;
        }
    }
    return true;
}

// Lists the groups in the order of the entries that open them, up to a stop.
void elencaGruppi(Raggruppatore& raggruppa, int64_t n, Ascolto& ascolto,
                  std::vector<std::string>& righe, EsitoTutti& esito) {
    std::vector<Gruppo>& gruppi = raggruppa.gruppi;
    std::sort(gruppi.begin(), gruppi.end(),
              [](const Gruppo& x, const Gruppo& y) { return x.capo < y.capo; });
    std::vector<std::string>& linee = raggruppa.linee;
    righe.reserve(righe.size() + linee.size() + gruppi.size());
    for (const Gruppo& g : gruppi) {
        if (!ascolto.arrivaA(n + g.capo)) {
            esito.interrotto = true;
            return;
        }
        for (size_t t = 0; t <= g.quanti; ++t) righe.push_back(std::move(linee[g.inizio + t]));
        righe.emplace_back(kSeparatoreAnagrammi);
        esito.totale += g.quanti;
        esito.ultimo = g.capo;
    }
}

EsitoTutti tutti(bool frasi, bool conImpronte, const Voci& voci, Poll& poll,
                 std::vector<std::string>& righe) {
    const IndiceAnagrammi& indice = IndiceAnagrammi::di(voci, frasi);
    const auto n = static_cast<int64_t>(indice.size());
    Ascolto ascolto(poll, 2 * n);
    EsitoTutti esito;
    std::vector<Impronta> impronte;
    // Anagrams have the same cleaned length: each length is grouped on its own.
    Raggruppatore raggruppa(voci, indice);
    // Every entry makes at most one line; only the part used is ever touched.
    raggruppa.linee.reserve(indice.size());
    // A stop before the listing lists nothing: no group has been listed yet.
    if (!improntePerLunghezza(voci, indice, conImpronte, ascolto, impronte) ||
        !raggruppaPerLunghezza(voci, indice, impronte, ascolto, raggruppa)) {
        esito.interrotto = true;
        return esito;
    }
    elencaGruppi(raggruppa, n, ascolto, righe, esito);
    return esito;
}

} // namespace

EsitoTutti TuttiAnagrammi(bool frasi, const Voci& voci, Poll& poll,
                          std::vector<std::string>& righe) {
    return tutti(frasi, true, voci, poll, righe);
}

EsitoTutti detail::TuttiAnagrammiSenzaImpronte(bool frasi, const Voci& voci, Poll& poll,
                                               std::vector<std::string>& righe) {
    return tutti(frasi, false, voci, poll, righe);
}

} // namespace verbolario
