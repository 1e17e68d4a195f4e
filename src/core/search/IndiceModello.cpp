#include "search/IndiceModello.h"

#include "search/Arrangia.h"
#include "text/Accenti.h"
#include "text/Byte.h"
#include "text/Lettere.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbolario {
namespace {

bool haAccentate(std::string_view s) {
    for (char c : s)
        if (accenti::piana(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c))
            return true;
    return false;
}

// The dictionary is searched a stretch of indexes at a time, at least this many (a multiple of
// 64, the width of a word of marks) and at most about 1/32 of the dictionary; between
// stretches the search looks at stop requests and at how many hits it has.
constexpr uint32_t kTrattoMinimo = 32768;
constexpr uint32_t kTratti = 32;
// Rows of one length within a stretch are narrowed in blocks of at most this many.
constexpr uint32_t kBlocco = 4096;
// Rows are read 16 bytes at a time up to this length, so the row texts end with this much
// padding.
constexpr uint32_t kRigaCorta = 64;

// Bits lo..hi (inclusive, hi < 64).
uint64_t intervallo(uint32_t lo, uint32_t hi) {
    if (lo > hi) return 0;
    uint64_t fino = hi == 63 ? ~uint64_t{0} : (uint64_t{1} << (hi + 1)) - 1;
    return fino & (~uint64_t{0} << lo);
}

// Where character c stands in the first 16 * blocchi bytes of riga.
uint64_t posizioni(const char* riga, uint32_t blocchi, unsigned char c) {
    uint64_t m = 0;
#if defined(__SSE2__)
    const __m128i cerca = _mm_set1_epi8(static_cast<char>(c));
    for (uint32_t k = 0; k < blocchi; ++k) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(riga + 16 * k));
        m |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, cerca)))}
             << (16 * k);
    }
#else
    for (uint32_t p = 0; p < 16 * blocchi; ++p)
        if (static_cast<unsigned char>(riga[p]) == c) m |= uint64_t{1} << p;
#endif
    return m;
}

// The central runs of a pattern tested on rows of up to 64 characters with bit masks: for
// each run, the places where it could start; then each run takes its first place after the
// previous one.
class Centrali {
public:
    explicit Centrali(const Modello& m) : m_(m) {
        for (const auto& seg : m.centrali()) {
            std::vector<Elemento> es;
            for (const auto& s : seg) {
                Elemento e{-1, s.tutti() ? nullptr : &s};
                if (int u = s.unico(); u >= 0) {
                    auto it = std::find(lettere_.begin(), lettere_.end(), u);
                    e.lettera = static_cast<int>(it - lettere_.begin());
                    if (it == lettere_.end()) lettere_.push_back(u);
                    e.insieme = nullptr;
                }
                es.push_back(e);
            }
            if (es.size() == 1 && es[0].lettera >= 0)
                sequenza_.push_back(static_cast<unsigned char>(lettere_[es[0].lettera]));
            segmenti_.push_back(std::move(es));
        }
        maschere_.resize(lettere_.size());
        if (sequenza_.size() != segmenti_.size()) sequenza_.clear();
    }

    bool vuoto() const { return segmenti_.empty(); }

    // riga is readable for at least 64 bytes when larghezza <= 64.
    bool combacia(const char* riga, uint32_t larghezza, uint32_t da, uint32_t a) {
        if (larghezza > kRigaCorta) return m_.centraliTra(riga, da, a);
        const uint32_t blocchi = (a + 15) / 16;
        if (!sequenza_.empty()) return lettereInOrdine(riga, blocchi, da, a);
        for (size_t k = 0; k < lettere_.size(); ++k)
            maschere_[k] = posizioni(riga, blocchi, static_cast<unsigned char>(lettere_[k]));
        uint32_t dopo = da;
        for (const auto& seg : segmenti_) {
            const auto n = static_cast<uint32_t>(seg.size());
            if (a < n || dopo > a - n) return false;
            uint64_t inizi = intervallo(dopo, a - n);
            for (uint32_t t = 0; t < n && inizi; ++t) inizi &= maschera(seg[t], riga, a) >> t;
            if (!inizi) return false;
            dopo = static_cast<uint32_t>(std::countr_zero(inizi)) + n;
        }
        return true;
    }

private:
    // Runs of one letter each (the text typed without wildcards): each letter's first place
    // after the previous one.
    bool lettereInOrdine(const char* riga, uint32_t blocchi, uint32_t da, uint32_t a) const {
        uint64_t ammessi = intervallo(da, a - 1);
        for (unsigned char c : sequenza_) {
            const uint64_t m = posizioni(riga, blocchi, c) & ammessi;
            if (!m) return false;
            const int p = std::countr_zero(m);
            ammessi &= p == 63 ? 0 : ~uint64_t{0} << (p + 1);
        }
        return true;
    }

    struct Elemento {
        int lettera;                     // index into lettere_, or -1
        const Modello::Insieme* insieme; // for other sets; neither: any character
    };

    uint64_t maschera(const Elemento& e, const char* riga, uint32_t a) const {
        if (e.lettera >= 0) return maschere_[static_cast<size_t>(e.lettera)];
        if (!e.insieme) return ~uint64_t{0};
        uint64_t m = 0;
        for (uint32_t p = 0; p < a; ++p)
            if (e.insieme->ha(static_cast<unsigned char>(riga[p]))) m |= uint64_t{1} << p;
        return m;
    }

    const Modello& m_;
    std::vector<std::vector<Elemento>> segmenti_;
    std::vector<int> lettere_;
    std::vector<uint64_t> maschere_;
    std::string sequenza_; // the letters, when every run is one letter
};

size_t lunghezzaConfrontata(std::string_view voce) {
    if (!VaRiscritta(voce)) return voce.size();
    return static_cast<size_t>(std::count_if(voce.begin(), voce.end(), [](char c) {
        return lettere::isAlfabeto(static_cast<unsigned char>(c));
    }));
}

} // namespace

bool VaRiscritta(std::string_view voce) {
    return byte::haUnoDi(voce, ' ', '-');
}

IndiceModello::IndiceModello(const Voci& voci) {
    const size_t n = voci.size();
    // Lengths first, so each group is allocated once.
    std::vector<uint32_t> larghezza(n);
    std::vector<uint32_t> perLarghezza;
    for (size_t i = 0; i < n; ++i) {
        larghezza[i] = static_cast<uint32_t>(lunghezzaConfrontata(voci[i]));
        if (larghezza[i] >= perLarghezza.size()) perLarghezza.resize(larghezza[i] + 1, 0);
        ++perLarghezza[larghezza[i]];
    }
    fasce_.resize(perLarghezza.size());
    for (size_t l = 0; l < fasce_.size(); ++l) {
        Fascia& f = fasce_[l];
        f.larghezza = static_cast<uint32_t>(l);
        f.indici.reserve(perLarghezza[l]);
        f.colonne.resize(size_t{perLarghezza[l]} * l);
        f.testi.resize(size_t{perLarghezza[l]} * l + kRigaCorta, '\0');
        f.lettere.reserve(perLarghezza[l]);
        f.doppie.reserve(perLarghezza[l]);
    }
    std::string scarto;
    for (size_t i = 0; i < n; ++i)
        aggiungi(fasce_[larghezza[i]], perLarghezza[larghezza[i]], static_cast<uint32_t>(i),
                 voci[i], scarto);
    dividiInTratti(n);
}

void IndiceModello::aggiungi(Fascia& f, size_t righe, uint32_t indice, std::string_view voce,
                             std::string& scarto) {
    const uint32_t r = f.righe();
    std::string_view forma = voce;
    const bool daRiscrivere = VaRiscritta(voce);
    if (daRiscrivere) f.righeRiscritte.push_back(r);
    if (daRiscrivere || haAccentate(voce)) {
        scarto = daRiscrivere ? Arrangia(voce) : std::string(voce);
        if (haAccentate(scarto)) {
            f.righeAccentate.push_back(r);
            f.testiAccentati.push_back(accentati_.size());
            accentati_ += scarto;
            accenti::foldAll(scarto);
        }
        forma = scarto;
    }
    for (size_t k = 0; k < forma.size(); ++k)
        f.colonne[k * righe + r] = static_cast<unsigned char>(forma[k]);
    std::copy(forma.begin(), forma.end(),
              f.testi.begin() + static_cast<ptrdiff_t>(size_t{r} * f.larghezza));
    f.indici.push_back(indice);
    const uint64_t firma = Firma(forma);
    f.lettere.push_back(static_cast<uint32_t>(firma));
    f.doppie.push_back(static_cast<uint32_t>(firma >> 32));
}

IndiceModello::Righe IndiceModello::righe(size_t larghezza) const {
    if (larghezza >= fasce_.size()) return {};
    const Fascia& f = fasce_[larghezza];
    return {f.testi.data(), f.indici.data(), f.indici.size(), &f.righeRiscritte};
}

void IndiceModello::dividiInTratti(size_t n) {
    tratto_ = std::max<uint32_t>(kTrattoMinimo, static_cast<uint32_t>(n / kTratti + 63) / 64 * 64);
    tratti_ = static_cast<uint32_t>((n + tratto_ - 1) / tratto_);
    for (Fascia& f : fasce_) {
        // The first row of each stretch: the smallest row there, or of a later stretch.
        f.inizioTratto.assign(tratti_ + 1, f.righe());
        for (uint32_t r = f.righe(); r-- > 0;) f.inizioTratto[f.indici[r] / tratto_] = r;
        for (uint32_t t = tratti_; t-- > 0;)
            f.inizioTratto[t] = std::min(f.inizioTratto[t], f.inizioTratto[t + 1]);
    }
}

// One search over the index: walks the dictionary a stretch at a time and, within a stretch,
// the groups whose length can match, narrowing each block of rows column by column before
// anything reads a whole row.
class IndiceModello::Scansione {
public:
    Scansione(const IndiceModello& indice, const Modello& m, bool accenti, const Filtro* filtro)
        : indice_(indice), m_(m), accenti_(accenti), filtro_(filtro), centrali_(m),
          segni_(indice.tratto_ / 64, 0), elencate_(indice.tratto_ / 64, 0) {
        candidati_.resize(kBlocco + 16);
        for (const Fascia& f : indice.fasce_)
            if (ammessa(f)) fasce_.push_back({&f, vincoli(f), 0});
    }

    // Adds to trovate, in order, the hits of stretch t.
    void tratto(uint32_t t, Trovate& trovate) {
        base_ = t * indice_.tratto_;
        for (Corsa& c : fasce_) {
            const Fascia& f = *c.fascia;
            const uint32_t da = f.inizioTratto[t], a = f.inizioTratto[t + 1];
            if (da == a) continue;
            if (!(accenti_ && m_.esigeAccento())) piegate(c, da, a);
            if (accenti_) accentate(c, a);
        }
        for (size_t w = 0; w < segni_.size(); ++w) {
            for (uint64_t bits = segni_[w]; bits; bits &= bits - 1) {
                const auto k = static_cast<uint32_t>(std::countr_zero(bits));
                trovate.indici.push_back(base_ + static_cast<uint32_t>(w * 64) + k);
                trovate.elencate.push_back((elencate_[w] >> k) & 1);
            }
            segni_[w] = elencate_[w] = 0;
        }
    }

private:
    struct Vincolo {
        const unsigned char* colonna;
        const Modello::Insieme* insieme;
        int lettera; // the one character of the set, or -1
    };
    // Where the search stands in one group.
    struct Corsa {
        const Fascia* fascia;
        std::vector<Vincolo> vincoli;
        size_t accentata; // first row with accents not yet searched
    };

    bool ammessa(const Fascia& f) const {
        if (!m_.valido() || f.righe() == 0) return false;
        return m_.haAsterisco() ? f.larghezza >= m_.lunghezzaMinima()
                                : f.larghezza == m_.lunghezzaMinima();
    }

    void segna(uint32_t indice, uint64_t firma, std::string_view forma) {
        const uint32_t k = indice - base_;
        segni_[k >> 6] |= uint64_t{1} << (k & 63);
        if (!filtro_ || filtro_->ammette(firma, forma))
            elencate_[k >> 6] |= uint64_t{1} << (k & 63);
    }

    // How common a letter is in Italian words, 0 for the rarest: the literal places are
    // checked rarest letter first, so most rows drop out at the first check.
    static int diffusione(int c) {
        static constexpr std::string_view kDalPiuComune = "eaionlrtscdupmvghfbqz";
        size_t p = kDalPiuComune.find(static_cast<char>(c));
        return p == std::string_view::npos ? 0 : static_cast<int>(kDalPiuComune.size() - p);
    }

    // The places the pattern fixes in rows of this group: single letters first, the rarest
    // first; then the other sets, the smallest first. "?" fixes nothing.
    std::vector<Vincolo> vincoli(const Fascia& f) const {
        std::vector<Vincolo> v;
        auto aggiungi = [&](const Modello::Insieme& s, size_t pos) {
            if (!s.tutti()) v.push_back({f.colonne.data() + pos * f.righe(), &s, s.unico()});
        };
        const auto& pre = m_.prefisso();
        for (size_t k = 0; k < pre.size(); ++k) aggiungi(pre[k], k);
        const auto& suf = m_.suffisso();
        for (size_t k = 0; k < suf.size(); ++k) aggiungi(suf[k], f.larghezza - suf.size() + k);
        auto peso = [](const Vincolo& x) {
            return x.lettera >= 0 ? diffusione(x.lettera) : 1000 + x.insieme->quanti();
        };
        std::stable_sort(v.begin(), v.end(),
                         [&](const Vincolo& a, const Vincolo& b) { return peso(a) < peso(b); });
        return v;
    }

    // Rows da..a-1 that fit every single-letter place, or the first place when none is a
    // single letter; n is how many. Returns how many places it has applied.
    size_t primi(const std::vector<Vincolo>& vv, uint32_t da, uint32_t a, size_t& n) {
        uint32_t* out = candidati_.data();
        n = 0;
        size_t lettere = 0;
        while (lettere < vv.size() && vv[lettere].lettera >= 0) ++lettere;
        if (lettere == 0) {
            const Vincolo& v = vv.front();
            for (uint32_t r = da; r < a; ++r) {
                out[n] = r;
                n += v.insieme->ha(v.colonna[r]);
            }
            return 1;
        }
        uint32_t r = da;
#if defined(__SSE2__)
        for (; r + 16 <= a; r += 16) {
            unsigned bits = 0xFFFF;
            for (size_t k = 0; k < lettere && bits; ++k) {
                const __m128i x =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(vv[k].colonna + r));
                const __m128i c = _mm_set1_epi8(static_cast<char>(vv[k].lettera));
                bits &= static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, c)));
            }
            while (bits) {
                out[n++] = r + static_cast<uint32_t>(std::countr_zero(bits));
                bits &= bits - 1;
            }
        }
#endif
        for (; r < a; ++r) {
            bool tutte = true;
            for (size_t k = 0; k < lettere && tutte; ++k)
                tutte = vv[k].colonna[r] == static_cast<unsigned char>(vv[k].lettera);
            out[n] = r;
            n += tutte;
        }
        return lettere;
    }

    // Rows da..a-1 that hold every letter the central runs ask for.
    size_t conLettere(const Fascia& f, uint32_t da, uint32_t a) {
        uint32_t* out = candidati_.data();
        const auto richieste = static_cast<uint32_t>(m_.lettereRichieste());
        size_t n = 0;
        for (uint32_t r = da; r < a; ++r) {
            out[n] = r;
            n += (f.lettere[r] & richieste) == richieste;
        }
        return n;
    }

    template <class Tieni> size_t filtra(size_t n, Tieni tieni) {
        uint32_t* c = candidati_.data();
        size_t m = 0;
        for (size_t i = 0; i < n; ++i) {
            c[m] = c[i];
            m += tieni(c[i]);
        }
        return m;
    }

    size_t restringi(Corsa& c, size_t n, size_t fatti) {
        const Fascia& f = *c.fascia;
        for (size_t k = fatti; k < c.vincoli.size(); ++k) {
            const Vincolo v = c.vincoli[k];
            n = filtra(n, [&](uint32_t r) { return v.insieme->ha(v.colonna[r]); });
        }
        const auto richieste = static_cast<uint32_t>(m_.lettereRichieste());
        if (!c.vincoli.empty() && richieste)
            n = filtra(n, [&](uint32_t r) { return (f.lettere[r] & richieste) == richieste; });
        if (const auto ripetute = static_cast<uint32_t>(m_.lettereRichieste() >> 32))
            n = filtra(n, [&](uint32_t r) { return (f.doppie[r] & ripetute) == ripetute; });
        if (accenti_) {
            // Rows with accents are compared unfolded, apart from this scan.
            size_t a = c.accentata;
            n = filtra(n, [&](uint32_t r) {
                while (a < f.righeAccentate.size() && f.righeAccentate[a] < r) ++a;
                return !(a < f.righeAccentate.size() && f.righeAccentate[a] == r);
            });
        }
        if (!centrali_.vuoto()) {
            const auto da = static_cast<uint32_t>(m_.prefisso().size());
            const auto a = static_cast<uint32_t>(f.larghezza - m_.suffisso().size());
            uint32_t* cand = candidati_.data();
            size_t tenuti = 0;
            for (size_t i = 0; i < n; ++i) {
                // Rows far apart would each wait for memory in turn.
#if defined(__GNUC__)
                if (i + 8 < n) __builtin_prefetch(f.testo(cand[i + 8]));
#endif
                cand[tenuti] = cand[i];
                tenuti += centrali_.combacia(f.testo(cand[i]), f.larghezza, da, a);
            }
            n = tenuti;
        }
        return n;
    }

    void piegate(Corsa& c, uint32_t da, uint32_t a) {
        const Fascia& f = *c.fascia;
        for (uint32_t inizio = da; inizio < a; inizio += kBlocco) {
            const uint32_t fine = std::min(a, inizio + kBlocco);
            size_t n = 0, fatti = 0;
            if (c.vincoli.empty())
                n = conLettere(f, inizio, fine);
            else
                fatti = primi(c.vincoli, inizio, fine, n);
            n = restringi(c, n, fatti);
            for (size_t i = 0; i < n; ++i) {
                const uint32_t r = candidati_[i];
                segna(f.indici[r], f.firma(r), std::string_view(f.testo(r), f.larghezza));
            }
        }
    }

    void accentate(Corsa& c, uint32_t finoARiga) {
        const Fascia& f = *c.fascia;
        for (; c.accentata < f.righeAccentate.size() && f.righeAccentate[c.accentata] < finoARiga;
             ++c.accentata) {
            std::string_view t(indice_.accentati_.data() + f.testiAccentati[c.accentata],
                               f.larghezza);
            if (m_.combacia(t)) segna(f.indici[f.righeAccentate[c.accentata]], Firma(t), t);
        }
    }

    const IndiceModello& indice_;
    const Modello& m_;
    bool accenti_;
    const Filtro* filtro_;
    Centrali centrali_;
    uint32_t base_ = 0;
    std::vector<uint64_t> segni_;    // hits of the stretch, from base_
    std::vector<uint64_t> elencate_; // those of them the filter lets into the list
    std::vector<Corsa> fasce_;
    std::vector<uint32_t> candidati_;
};

bool IndiceModello::cerca(const Voci& voci, const Modello& modello, bool accenti, int64_t limite,
                          const Filtro* filtro, Trovate& trovate, Poll& poll) const {
    const auto n = static_cast<uint32_t>(voci.size());
    Scansione scansione(*this, modello, accenti, filtro);
    for (uint32_t t = 0; t < tratti_; ++t) {
        scansione.tratto(t, trovate);
        const uint32_t a = std::min<uint64_t>(n, uint64_t{t + 1} * tratto_);
        poll.progress(a, n);
        if (static_cast<int64_t>(trovate.indici.size()) >= limite) break;
        if (a < n && poll.stop()) return false;
    }
    return true;
}

} // namespace verbolario
