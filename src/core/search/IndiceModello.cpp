#include "search/IndiceModello.h"

#include "search/Arrangia.h"
#include "text/Accenti.h"
#include "text/Byte.h"
#include "text/Lettere.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbolario {
namespace {

// The dictionary is searched a stretch of indexes at a time, at least this many (a multiple of
// 64, the width of a word of marks) and at most about 1/32 of the dictionary; between
// stretches the search looks at stop requests and at how many hits it has.
constexpr uint32_t kTrattoMinimo = 32768;
constexpr uint32_t kTratti = 32;
// Rows of one length within a stretch are narrowed in blocks of at most this many.
constexpr uint32_t kBlocco = 4096;
// A place is kept as runs when its rows average at least this many per run: a run then costs
// less than its rows, and the runs of a block are fewer than its 16-row steps.
constexpr size_t kRighePerCorsa = 16;
constexpr uint32_t kPerCorse = UINT32_MAX; // the place of a column kept as runs
// Rows are read 16 bytes at a time up to this length, so the row texts end with this much
// padding.
constexpr uint32_t kRigaCorta = 64;
// The bits of a row's masks that stand for the letters a-z (the anagram index's masks have
// more).
constexpr uint32_t kLettereAZ = (uint32_t{1} << 26) - 1;
// Set in a row's mask of repeated letters when its compared form is not the text in the store
// (it is compared without its blanks and signs, or folded).
constexpr uint32_t kCopiata = uint32_t{1} << 31;

#if defined(__SSE2__)
// For each set of four lanes (bit k for lane k), how many, and the lanes side by side.
constexpr std::array<uint8_t, 16> kQuante = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
struct Accostate {
    __m128i v;
};
const std::array<Accostate, 16> kAccostate = [] {
    std::array<Accostate, 16> t{};
    for (int bits = 0; bits < 16; ++bits) {
        alignas(16) int32_t corsie[4] = {0, 0, 0, 0};
        int n = 0;
        for (int k = 0; k < 4; ++k)
            if (bits >> k & 1) corsie[n++] = k;
        t[static_cast<size_t>(bits)].v = _mm_load_si128(reinterpret_cast<const __m128i*>(corsie));
    }
    return t;
}();
#endif

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
#if defined(__SSE2__)
        for (unsigned char c : sequenza_) cerca_.push_back({_mm_set1_epi8(static_cast<char>(c))});
#endif
    }

    bool vuoto() const {
        return segmenti_.empty();
    }

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
#if defined(__SSE2__)
        // Most rows are one block long: it is read once, and each letter compared with it.
        const __m128i primo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(riga));
        for (const Ripetuta& c : cerca_) {
            uint64_t m = static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(primo, c.v)));
            for (uint32_t k = 1; k < blocchi; ++k)
                m |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(riga + 16 * k)), c.v)))}
                     << (16 * k);
            m &= ammessi;
#else
        for (unsigned char c : sequenza_) {
            const uint64_t m = posizioni(riga, blocchi, c) & ammessi;
#endif
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
#if defined(__SSE2__)
    struct Ripetuta {
        __m128i v;
    };
    std::vector<Ripetuta> cerca_; // each of them in every byte
#endif
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
    std::vector<uint32_t> larghezze(n);
    bool comeLAnagramma = true;
    for (size_t i = 0; i < n; ++i) {
        const std::string_view voce = voci[i];
        const bool riscritta = !voci.senzaSegni() && VaRiscritta(voce);
        larghezze[i] = static_cast<uint32_t>(riscritta ? lunghezzaConfrontata(voce) : voce.size());
        comeLAnagramma = comeLAnagramma && !riscritta && !IndiceAnagrammi::vaPulita(voce, false);
    }
    if (comeLAnagramma) anagrammi_ = voci.derivedShared<IndiceAnagrammiPer<false>>();
    disponi(larghezze);
    std::string scarto;
    for (Fascia& f : fasce_) {
        f.colonne.resize(size_t{f.n} * f.larghezza);
        f.doppie.resize(f.n);
        for (uint32_t r = 0; r < f.n; ++r) aggiungi(f, r, voci[f.indici[r]], scarto);
        comprimi(f);
    }
    dividiInTratti(n);
    for (const Voci::Ref& e : voci.refs()) fineTesti_ = std::max(fineTesti_, size_t{e.off} + e.len);
}

void IndiceModello::disponi(const std::vector<uint32_t>& larghezze) {
    if (anagrammi_) {
        // Its rows: by length, in dictionary order within a length, masks alongside.
        const IndiceAnagrammi& a = *anagrammi_;
        const std::vector<uint32_t>& lunghezze = a.lunghezze();
        fasce_.resize(lunghezze.empty() ? 0 : size_t{lunghezze.back()} + 1);
        for (size_t k = 0; k < lunghezze.size(); ++k) {
            Fascia& f = fasce_[lunghezze[k]];
            f.n = static_cast<uint32_t>(a.inizi()[k + 1] - a.inizi()[k]);
            f.indici = a.ordine() + a.inizi()[k];
            f.lettere = a.maschere() + a.inizi()[k];
        }
    } else {
        // A counting sort by length, stable so each length keeps dictionary order.
        std::vector<size_t> posto;
        for (uint32_t l : larghezze) {
            if (l + 1 >= posto.size()) posto.resize(size_t{l} + 2, 0);
            ++posto[l + 1];
        }
        for (size_t l = 1; l < posto.size(); ++l) posto[l] += posto[l - 1];
        fasce_.resize(posto.empty() ? 0 : posto.size() - 1);
        indici_.resize(larghezze.size());
        lettere_.resize(larghezze.size());
        for (size_t l = 0; l < fasce_.size(); ++l) {
            fasce_[l].n = static_cast<uint32_t>(posto[l + 1] - posto[l]);
            fasce_[l].indici = indici_.data() + posto[l];
            fasce_[l].lettere = lettere_.data() + posto[l];
        }
        for (size_t i = 0; i < larghezze.size(); ++i)
            indici_[posto[larghezze[i]]++] = static_cast<uint32_t>(i);
    }
    for (size_t l = 0; l < fasce_.size(); ++l) fasce_[l].larghezza = static_cast<uint32_t>(l);
}

void IndiceModello::aggiungi(Fascia& f, uint32_t r, std::string_view voce, std::string& scarto) {
    std::string_view forma = voce;
    const bool daRiscrivere = voce.size() != f.larghezza;
    if (daRiscrivere) f.righeRiscritte.push_back(r);
    if (daRiscrivere || accenti::haAccenti(voce)) {
        scarto = daRiscrivere ? Arrangia(voce) : std::string(voce);
        if (accenti::haAccenti(scarto)) {
            f.righeAccentate.push_back(r);
            f.accentate += scarto;
            accenti::foldAll(scarto);
        }
        forma = scarto;
    }
    if (daRiscrivere) f.riscritte += forma;
    for (size_t k = 0; k < forma.size(); ++k)
        f.colonne[k * f.n + r] = static_cast<unsigned char>(forma[k]);
    const uint64_t firma = Firma(forma);
    f.doppie[r] = static_cast<uint32_t>(firma >> 32) | (forma.data() == voce.data() ? 0 : kCopiata);
    if (!anagrammi_)
        lettere_[static_cast<size_t>(f.lettere - lettere_.data()) + r] =
            static_cast<uint32_t>(firma);
}

void IndiceModello::comprimi(Fascia& f) {
    const size_t n = f.n;
    f.corse.assign(f.larghezza, {});
    f.posto.assign(f.larghezza, kPerCorse);
    uint32_t perRighe = 0;
    for (size_t k = 0; k < f.larghezza; ++k) {
        const unsigned char* c = f.colonne.data() + k * n;
        size_t corse = 0;
        for (size_t r = 0; r < n; ++r) corse += r == 0 || c[r] != c[r - 1];
        if (corse * kRighePerCorsa > n) {
            f.posto[k] = perRighe++;
            continue;
        }
        Corse& x = f.corse[k];
        x.inizi.reserve(corse + 1);
        x.valori.reserve(corse);
        for (size_t r = 0; r < n; ++r)
            if (r == 0 || c[r] != c[r - 1]) {
                x.inizi.push_back(static_cast<uint32_t>(r));
                x.valori.push_back(c[r]);
            }
        x.inizi.push_back(static_cast<uint32_t>(n));
    }
    if (perRighe == f.larghezza) return;
    std::vector<unsigned char> restanti(size_t{perRighe} * n);
    for (size_t k = 0; k < f.larghezza; ++k)
        if (f.posto[k] != kPerCorse)
            std::copy_n(f.colonne.data() + k * n, n, restanti.data() + size_t{f.posto[k]} * n);
    f.colonne = std::move(restanti);
}

IndiceModello::Colonna IndiceModello::Fascia::colonna(size_t k) const {
    Colonna c;
    if (posto[k] != kPerCorse) {
        c.byte_ = colonne.data() + size_t{posto[k]} * n;
    } else {
        c.inizi_ = corse[k].inizi.data();
        c.valori_ = corse[k].valori.data();
        c.corse_ = corse[k].valori.size();
    }
    return c;
}

size_t IndiceModello::Colonna::corsa(uint32_t r) const {
    return static_cast<size_t>(std::upper_bound(inizi_, inizi_ + corse_, r) - inizi_) - 1;
}

unsigned char IndiceModello::Colonna::operator[](uint32_t r) const {
    return byte_ ? byte_[r] : valori_[corsa(r)];
}

uint64_t IndiceModello::Colonna::uguali(uint32_t da, uint32_t n, unsigned char c) const {
    uint64_t m = 0;
    if (!byte_) {
        for (size_t k = corsa(da); k < corse_ && inizi_[k] < da + n; ++k)
            if (valori_[k] == c)
                m |= intervallo(std::max(inizi_[k], da) - da,
                                std::min(inizi_[k + 1], da + n) - da - 1);
        return m;
    }
    const unsigned char* p = byte_ + da;
    uint32_t k = 0;
#if defined(__SSE2__)
    const __m128i cerca = _mm_set1_epi8(static_cast<char>(c));
    for (; k + 16 <= n; k += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
        m |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, cerca)))} << k;
    }
#endif
    for (; k < n; ++k) m |= uint64_t{p[k] == c} << k;
    return m;
}

IndiceModello::Colonne IndiceModello::colonne(size_t larghezza) const {
    if (larghezza >= fasce_.size()) return {};
    const Fascia& f = fasce_[larghezza];
    Colonne out{{}, f.indici, f.n, &f.righeRiscritte};
    for (size_t k = 0; k < f.larghezza; ++k) out.colonne.push_back(f.colonna(k));
    return out;
}

void IndiceModello::dividiInTratti(size_t n) {
    tratto_ = std::max<uint32_t>(kTrattoMinimo, static_cast<uint32_t>(n / kTratti + 63) / 64 * 64);
    tratti_ = static_cast<uint32_t>((n + tratto_ - 1) / tratto_);
    for (Fascia& f : fasce_) {
        // The first row of each stretch: the smallest row there, or of a later stretch.
        f.inizioTratto.assign(tratti_ + 1, f.n);
        for (uint32_t r = f.n; r-- > 0;) f.inizioTratto[f.indici[r] / tratto_] = r;
        for (uint32_t t = tratti_; t-- > 0;)
            f.inizioTratto[t] = std::min(f.inizioTratto[t], f.inizioTratto[t + 1]);
    }
}

// One search over the index: walks the dictionary a stretch at a time and, within a stretch,
// the groups whose length can match, narrowing each block of rows column by column before
// anything reads a whole row.
class IndiceModello::Scansione {
public:
    Scansione(const IndiceModello& indice, const Voci& voci, const Modello& m, bool accenti,
              const Filtro* filtro)
        : indice_(indice), voci_(voci), refs_(voci.refs().data()), m_(m), accenti_(accenti),
          filtro_(filtro), bastaFirma_(filtro && filtro->bastaFirma()), centrali_(m),
          segni_(indice.tratto_ / 64, 0), elencate_(indice.tratto_ / 64, 0) {
        candidati_.resize(kBlocco + 16);
        size_t massima = 0;
        for (const Fascia& f : indice.fasce_)
            if (ammessa(f)) {
                fasce_.push_back(corsa(f));
                massima = f.larghezza;
            }
        // Rows are read 16 bytes at a time, so a row read into it has this much room after it.
        riga_.resize(massima + kRigaCorta);
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
    // A place kept as runs.
    struct VincoloCorse {
        const Corse* corse;
        const Modello::Insieme* insieme;
    };
    // Where the search stands in one group.
    struct Corsa {
        const Fascia* fascia;
        std::vector<Vincolo> vincoli;     // places kept by rows
        std::vector<VincoloCorse> aCorse; // places kept as runs
        size_t accentata;                 // first row with accents not yet searched
        bool vincolata() const { return !vincoli.empty() || !aCorse.empty(); }
    };

    bool ammessa(const Fascia& f) const {
        if (!m_.valido() || f.n == 0) return false;
        return m_.haAsterisco() ? f.larghezza >= m_.lunghezzaMinima()
                                : f.larghezza == m_.lunghezzaMinima();
    }

    void segna(uint32_t indice, bool elencata) {
        const uint32_t k = indice - base_;
        segni_[k >> 6] |= uint64_t{1} << (k & 63);
        elencate_[k >> 6] |= uint64_t{elencata} << (k & 63);
    }

    // The folded compared form of row r: where the store keeps it when that is already its
    // folded form with room to read after it, else a folded copy in riga_. Readable for
    // kRigaCorta bytes past its end when it is at most that long.
    const char* forma(const Fascia& f, uint32_t r) {
        const Voci::Ref e = refs_[f.indici[r]];
        const char* t = voci_.data() + e.off;
        if (!(f.doppie[r] & kCopiata) && f.larghezza <= kRigaCorta &&
            size_t{e.off} + kRigaCorta <= indice_.fineTesti_)
            return t;
        if (e.len != f.larghezza) {
            // Compared without its blanks and signs: the group keeps that form.
            const auto k = static_cast<size_t>(
                std::lower_bound(f.righeRiscritte.begin(), f.righeRiscritte.end(), r) -
                f.righeRiscritte.begin());
            std::memcpy(riga_.data(), f.riscritte.data() + k * f.larghezza, f.larghezza);
        } else {
            for (uint32_t p = 0; p < f.larghezza; ++p)
                riga_[p] = static_cast<char>(accenti::piana(static_cast<unsigned char>(t[p])));
        }
        return riga_.data();
    }

    // How common a letter is in Italian words, 0 for the rarest: the literal places are
    // checked rarest letter first, so most rows drop out at the first check.
    static int diffusione(int c) {
        static constexpr std::string_view kDalPiuComune = "eaionlrtscdupmvghfbqz";
        size_t p = kDalPiuComune.find(static_cast<char>(c));
        return p == std::string_view::npos ? 0 : static_cast<int>(kDalPiuComune.size() - p);
    }

    // Where a search of this group starts: the places the pattern fixes in its rows ("?"
    // fixes nothing), those kept as runs apart; the others are checked single letters first,
    // the rarest first, then the other sets, the smallest first.
    Corsa corsa(const Fascia& f) const {
        Corsa c{&f, {}, {}, 0};
        auto aggiungi = [&](const Modello::Insieme& s, size_t pos) {
            if (s.tutti()) return;
            if (f.posto[pos] == kPerCorse)
                c.aCorse.push_back({&f.corse[pos], &s});
            else
                c.vincoli.push_back({f.colonne.data() + size_t{f.posto[pos]} * f.n, &s, s.unico()});
        };
        const auto& pre = m_.prefisso();
        for (size_t k = 0; k < pre.size(); ++k) aggiungi(pre[k], k);
        const auto& suf = m_.suffisso();
        for (size_t k = 0; k < suf.size(); ++k) aggiungi(suf[k], f.larghezza - suf.size() + k);
        auto peso = [](const Vincolo& x) {
            return x.lettera >= 0 ? diffusione(x.lettera) : 1000 + x.insieme->quanti();
        };
        std::stable_sort(c.vincoli.begin(), c.vincoli.end(),
                         [&](const Vincolo& a, const Vincolo& b) { return peso(a) < peso(b); });
        return c;
    }

    // Marks in ammesse_ (bit r - da) the rows da..a-1 that fit every place kept as runs;
    // whether there is any.
    bool ammesse(const Corsa& c, uint32_t da, uint32_t a) {
        const size_t parole = (a - da + 63) / 64;
        bool prima = true;
        for (const VincoloCorse& v : c.aCorse) {
            std::fill_n(segnate_, parole, 0);
            const std::vector<uint32_t>& inizi = v.corse->inizi;
            auto k = static_cast<size_t>(std::upper_bound(inizi.begin(), inizi.end() - 1, da) -
                                         inizi.begin()) -
                     1;
            for (; inizi[k] < a; ++k)
                if (v.insieme->ha(v.corse->valori[k]))
                    segnaTra(std::max(inizi[k], da) - da, std::min(inizi[k + 1], a) - da);
            bool qualcuna = false;
            for (size_t w = 0; w < parole; ++w) {
                ammesse_[w] = prima ? segnate_[w] : ammesse_[w] & segnate_[w];
                qualcuna = qualcuna || ammesse_[w];
            }
            if (!qualcuna) return false;
            prima = false;
        }
        return true;
    }

    // Sets bits lo..hi-1 of segnate_.
    void segnaTra(uint32_t lo, uint32_t hi) {
        while (lo < hi) {
            const uint32_t fine = std::min(hi, (lo | 63) + 1);
            segnate_[lo >> 6] |= intervallo(lo & 63, (fine - 1) & 63);
            lo = fine;
        }
    }

    // The rows marked in ammesse_, from da.
    size_t dalleAmmesse(uint32_t da, uint32_t a) {
        uint32_t* out = candidati_.data();
        size_t n = 0;
        for (size_t w = 0; w < (a - da + 63) / 64; ++w)
            for (uint64_t bits = ammesse_[w]; bits; bits &= bits - 1)
                out[n++] = da + static_cast<uint32_t>(w * 64) +
                           static_cast<uint32_t>(std::countr_zero(bits));
        return n;
    }

    // Rows da..a-1 that fit every single-letter place, or the first place when none is a
    // single letter, among those ammesse (bit r - da; null: all); n is how many. Returns how
    // many places it has applied.
    size_t primi(const std::vector<Vincolo>& vv, uint32_t da, uint32_t a, size_t& n,
                 const uint64_t* ammesse) {
        uint32_t* out = candidati_.data();
        n = 0;
        auto ammessa = [&](uint32_t r) {
            return !ammesse || ((ammesse[(r - da) >> 6] >> ((r - da) & 63)) & 1);
        };
        size_t lettere = 0;
        while (lettere < vv.size() && vv[lettere].lettera >= 0) ++lettere;
        if (lettere == 0) {
            const Vincolo& v = vv.front();
            for (uint32_t r = da; r < a; ++r) {
                out[n] = r;
                n += ammessa(r) && v.insieme->ha(v.colonna[r]);
            }
            return 1;
        }
        uint32_t r = da;
#if defined(__SSE2__)
        for (; r + 16 <= a; r += 16) {
            unsigned bits =
                ammesse
                    ? static_cast<unsigned>((ammesse[(r - da) >> 6] >> ((r - da) & 63)) & 0xFFFF)
                    : 0xFFFF;
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
            bool tutte = ammessa(r);
            for (size_t k = 0; k < lettere && tutte; ++k)
                tutte = vv[k].colonna[r] == static_cast<unsigned char>(vv[k].lettera);
            out[n] = r;
            n += tutte;
        }
        return lettere;
    }

    // Rows da..a-1 that hold every letter the central runs ask for, and more than once those
    // the pattern asks for more than once: the masks are read in order, which is quicker
    // than looking up the few rows left afterwards.
    size_t conLettere(const Fascia& f, uint32_t da, uint32_t a) {
        const auto richieste = static_cast<uint32_t>(m_.lettereRichieste());
        const auto ripetute = static_cast<uint32_t>(m_.lettereRichieste() >> 32);
        return ripetute ? conLettere<true>(f, da, a, richieste, ripetute)
                        : conLettere<false>(f, da, a, richieste, ripetute);
    }

    template <bool Ripetute>
    size_t conLettere(const Fascia& f, uint32_t da, uint32_t a, uint32_t richieste,
                      uint32_t ripetute) {
        uint32_t* out = candidati_.data();
        size_t n = 0;
        uint32_t r = da;
#if defined(__SSE2__)
        // Four rows at a time: the rows kept are written side by side in one store.
        const __m128i chieste = _mm_set1_epi32(static_cast<int>(richieste));
        const __m128i doppie = _mm_set1_epi32(static_cast<int>(ripetute));
        for (; r + 4 <= a; r += 4) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(f.lettere + r));
            __m128i si = _mm_cmpeq_epi32(_mm_and_si128(x, chieste), chieste);
            if constexpr (Ripetute) {
                const __m128i y =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(f.doppie.data() + r));
                si = _mm_and_si128(si, _mm_cmpeq_epi32(_mm_and_si128(y, doppie), doppie));
            }
            const auto tenute = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(si)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + n),
                             _mm_add_epi32(_mm_set1_epi32(static_cast<int>(r)),
                                           _mm_load_si128(&kAccostate[tenute].v)));
            n += kQuante[tenute];
        }
#endif
        for (; r < a; ++r) {
            out[n] = r;
            n += (f.lettere[r] & richieste) == richieste &&
                 (!Ripetute || (f.doppie[r] & ripetute) == ripetute);
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
        if (c.vincolata() && richieste)
            n = filtra(n, [&](uint32_t r) { return (f.lettere[r] & richieste) == richieste; });
        const auto ripetute = static_cast<uint32_t>(m_.lettereRichieste() >> 32);
        if (c.vincolata() && ripetute)
            n = filtra(n, [&](uint32_t r) { return (f.doppie[r] & ripetute) == ripetute; });
        if (accenti_) {
            // Rows with accents are compared unfolded, apart from this scan.
            size_t a = c.accentata;
            n = filtra(n, [&](uint32_t r) {
                while (a < f.righeAccentate.size() && f.righeAccentate[a] < r) ++a;
                return !(a < f.righeAccentate.size() && f.righeAccentate[a] == r);
            });
        }
        if (!centrali_.vuoto()) n = centrali(f, n);
        return n;
    }

    // Of the candidate rows, those whose central places hold the central runs; each row is
    // read where the store keeps it, unless it must be folded or is compared without its
    // blanks and signs.
    size_t centrali(const Fascia& f, size_t n) {
        const auto da = static_cast<uint32_t>(m_.prefisso().size());
        const auto a = static_cast<uint32_t>(f.larghezza - m_.suffisso().size());
        uint32_t* cand = candidati_.data();
        const char* testi = voci_.data();
        // Texts that start this far from the end are read in blocks of 16 without a copy.
        const size_t ultimo = indice_.fineTesti_ >= kRigaCorta && f.larghezza <= kRigaCorta
                                  ? indice_.fineTesti_ - kRigaCorta
                                  : 0;
        // Rows far apart would each wait for memory in turn: where each text is, and the text,
        // are asked for kAvanti rows ahead.
        constexpr size_t kAvanti = 32;
        uint32_t dove[kAvanti];
        auto chiedi = [&](size_t i) {
            dove[i % kAvanti] = refs_[f.indici[cand[i]]].off;
#if defined(__GNUC__)
            __builtin_prefetch(testi + dove[i % kAvanti]);
#endif
        };
        for (size_t i = 0; i < std::min(n, kAvanti); ++i) chiedi(i);
        size_t tenuti = 0;
        for (size_t i = 0; i < n; ++i) {
            const uint32_t r = cand[i];
            const uint32_t off = dove[i % kAvanti];
#if defined(__GNUC__)
            if (i + 3 * kAvanti < n) __builtin_prefetch(f.indici + cand[i + 3 * kAvanti]);
            if (i + 2 * kAvanti < n) __builtin_prefetch(refs_ + f.indici[cand[i + 2 * kAvanti]]);
#endif
            if (i + kAvanti < n) chiedi(i + kAvanti);
            const bool comeSta = !(f.doppie[r] & kCopiata) && off < ultimo;
            cand[tenuti] = r;
            tenuti += centrali_.combacia(comeSta ? testi + off : forma(f, r), f.larghezza, da, a);
        }
        return tenuti;
    }

    void piegate(Corsa& c, uint32_t da, uint32_t a) {
        const Fascia& f = *c.fascia;
        for (uint32_t inizio = da; inizio < a; inizio += kBlocco) {
            const uint32_t fine = std::min(a, inizio + kBlocco);
            size_t n = 0, fatti = 0;
            const bool aCorse = !c.aCorse.empty();
            if (aCorse && !ammesse(c, inizio, fine)) continue;
            if (!c.vincoli.empty())
                fatti = primi(c.vincoli, inizio, fine, n, aCorse ? ammesse_ : nullptr);
            else if (aCorse)
                n = dalleAmmesse(inizio, fine);
            else
                n = conLettere(f, inizio, fine);
            n = restringi(c, n, fatti);
            for (size_t i = 0; i < n; ++i) {
                const uint32_t r = candidati_[i];
                bool elencata = true;
                if (filtro_) {
                    const uint64_t firma =
                        (f.lettere[r] & kLettereAZ) | uint64_t{f.doppie[r] & kLettereAZ} << 32;
                    elencata = filtro_->ammette(
                        firma, bastaFirma_ ? std::string_view()
                                           : std::string_view(forma(f, r), f.larghezza));
                }
                segna(f.indici[r], elencata);
            }
        }
    }

    void accentate(Corsa& c, uint32_t finoARiga) {
        const Fascia& f = *c.fascia;
        for (; c.accentata < f.righeAccentate.size() && f.righeAccentate[c.accentata] < finoARiga;
             ++c.accentata) {
            const uint32_t r = f.righeAccentate[c.accentata];
            const std::string_view t(f.accentate.data() + c.accentata * f.larghezza, f.larghezza);
            if (m_.combacia(t)) segna(f.indici[r], !filtro_ || filtro_->ammette(Firma(t), t));
        }
    }

    const IndiceModello& indice_;
    const Voci& voci_;
    const Voci::Ref* refs_;
    const Modello& m_;
    bool accenti_;
    const Filtro* filtro_;
    bool bastaFirma_;
    Centrali centrali_;
    uint32_t base_ = 0;
    std::vector<uint64_t> segni_;    // hits of the stretch, from base_
    std::vector<uint64_t> elencate_; // those of them the filter lets into the list
    std::vector<Corsa> fasce_;
    std::vector<uint32_t> candidati_;
    uint64_t ammesse_[kBlocco / 64], segnate_[kBlocco / 64];
    std::string riga_;
};

bool IndiceModello::cerca(const Voci& voci, const Modello& modello, bool accenti, int64_t limite,
                          const Filtro* filtro, Trovate& trovate, Poll& poll) const {
    const auto n = static_cast<uint32_t>(voci.size());
    Scansione scansione(*this, voci, modello, accenti, filtro);
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
