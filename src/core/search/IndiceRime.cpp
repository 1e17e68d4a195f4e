#include "search/IndiceRime.h"

#include <algorithm>

namespace verbolario {
namespace {

// -1, 0, 1 as a read backwards compares with b read backwards.
int confrontaRovesci(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t k = 1; k <= n; ++k) {
        auto ca = static_cast<unsigned char>(a[a.size() - k]);
        auto cb = static_cast<unsigned char>(b[b.size() - k]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Sixteen bytes of a text read backwards, from byte 16*livello on, packed so that integer
// order is the order of those bytes; missing bytes count as zeros and reali says how many
// are real, so a text that ends here sorts before a longer one with the same bytes.
struct Voce {
    uint64_t alta;
    uint64_t bassa;
    uint32_t indice;
    uint32_t reali;
    bool operator<(const Voce& o) const {
        if (alta != o.alta) return alta < o.alta;
        if (bassa != o.bassa) return bassa < o.bassa;
        return reali < o.reali;
    }
    bool stessiByte(const Voce& o) const {
        return alta == o.alta && bassa == o.bassa && reali == o.reali;
    }
};
constexpr uint32_t kByteChiave = 16;

void chiave(std::string_view s, size_t livello, Voce& v) {
    const size_t salto = kByteChiave * livello;
    const size_t resto = s.size() > salto ? s.size() - salto : 0;
    v.reali = static_cast<uint32_t>(std::min<size_t>(resto, kByteChiave));
    const char* fine = s.data() + s.size() - salto; // one past the first byte to take
    auto pacca = [&](uint32_t da, uint32_t a) {
        uint64_t k = 0;
        for (uint32_t j = da; j < a && j < v.reali; ++j)
            k |= uint64_t{static_cast<unsigned char>(fine[-1 - static_cast<ptrdiff_t>(j)])}
                 << (56 - 8 * (j - da));
        return k;
    };
    v.alta = pacca(0, 8);
    v.bassa = pacca(8, 16);
}

// Sorts by sixteen bytes at a time: the sort itself never reaches into the texts, and only
// texts that agree on every byte so far are read further (in sorted order, which jumps
// around memory, so the first round takes enough bytes to settle nearly everything). The
// pending runs wait on a list rather than on the call stack, as identical long entries may
// need many rounds. The keys of the first round are already in place.
void ordina(Voce* inizio, Voce* fine, const Voci& voci) {
    struct Tratto {
        Voce* da;
        Voce* a;
        size_t livello;
    };
    std::vector<Tratto> daFare{{inizio, fine, 0}};
    while (!daFare.empty()) {
        const Tratto t = daFare.back();
        daFare.pop_back();
        if (t.livello > 0)
            for (Voce* p = t.da; p != t.a; ++p) chiave(voci[p->indice], t.livello, *p);
        std::sort(t.da, t.a);
        for (Voce* p = t.da; p != t.a;) {
            Voce* q = p + 1;
            while (q != t.a && q->stessiByte(*p)) ++q;
            if (q - p > 1 && p->reali == kByteChiave) daFare.push_back({p, q, t.livello + 1});
            p = q;
        }
    }
}

} // namespace

IndiceRime::IndiceRime(const Voci& voci) {
    // The first round's keys are read in dictionary order, which is memory order.
    std::vector<Voce> tutte(voci.size());
    for (size_t i = 0; i < voci.size(); ++i) {
        tutte[i].indice = static_cast<uint32_t>(i);
        chiave(voci[i], 0, tutte[i]);
    }
    ordina(tutte.data(), tutte.data() + tutte.size(), voci);
    ordine_.resize(tutte.size());
    for (size_t i = 0; i < tutte.size(); ++i) ordine_[i] = tutte[i].indice;
}

std::pair<const uint32_t*, const uint32_t*> IndiceRime::conFinale(const Voci& voci,
                                                                  std::string_view finale) const {
    // An entry ends with finale when its last |finale| bytes, read backwards, equal finale
    // read backwards; those entries are contiguous in the backwards order.
    auto coda = [&voci, finale](uint32_t i) {
        std::string_view e = voci[i];
        return e.size() >= finale.size() ? e.substr(e.size() - finale.size()) : e;
    };
    const uint32_t* inizio = ordine_.data();
    const uint32_t* fine = inizio + ordine_.size();
    const uint32_t* lo = std::partition_point(
        inizio, fine, [&](uint32_t i) { return confrontaRovesci(coda(i), finale) < 0; });
    const uint32_t* hi = std::partition_point(
        lo, fine, [&](uint32_t i) { return confrontaRovesci(coda(i), finale) == 0; });
    return {lo, hi};
}

} // namespace verbolario
