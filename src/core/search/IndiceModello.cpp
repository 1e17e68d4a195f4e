#include "search/IndiceModello.h"

#include "search/Arrangia.h"
#include "text/Accenti.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verbolario {
namespace {

bool vaRiscritta(std::string_view voce) {
    for (char c : voce)
        if (c == ' ' || c == '-') return true;
    return false;
}

bool haAccentate(std::string_view s) {
    for (char c : s)
        if (accenti::piana(static_cast<unsigned char>(c)) != static_cast<unsigned char>(c))
            return true;
    return false;
}

uint32_t lettereDi(std::string_view s) {
    uint32_t bits = 0;
    for (char c : s)
        if (c >= 'a' && c <= 'z') bits |= uint32_t{1} << (c - 'a');
    return bits;
}

// Rows are scanned in blocks of this many: between blocks a stop request is looked at.
constexpr uint32_t kBlocco = 4096;

} // namespace

std::string FormaConfrontata(std::string_view voce, bool piega) {
    std::string w = vaRiscritta(voce) ? Arrangia(voce) : std::string(voce);
    if (piega) accenti::foldAll(w);
    return w;
}

IndiceModello::IndiceModello(const Voci& voci) {
    const size_t n = voci.size();
    // Lengths first, so each group's columns are allocated once.
    std::vector<uint32_t> larghezza(n);
    std::vector<uint32_t> perLarghezza;
    for (size_t i = 0; i < n; ++i) {
        std::string_view v = voci[i];
        larghezza[i] = static_cast<uint32_t>(vaRiscritta(v) ? Arrangia(v).size() : v.size());
        if (larghezza[i] >= perLarghezza.size()) perLarghezza.resize(larghezza[i] + 1, 0);
        ++perLarghezza[larghezza[i]];
    }
    fasce_.resize(perLarghezza.size());
    for (size_t l = 0; l < fasce_.size(); ++l) {
        Fascia& f = fasce_[l];
        f.larghezza = static_cast<uint32_t>(l);
        f.indici.reserve(perLarghezza[l]);
        f.colonne.resize(size_t{perLarghezza[l]} * l);
        f.lettere.reserve(perLarghezza[l]);
    }
    std::string piegata;
    for (size_t i = 0; i < n; ++i) {
        std::string_view v = voci[i];
        Fascia& f = fasce_[larghezza[i]];
        const uint32_t r = f.righe();
        const bool riscritta = vaRiscritta(v);
        const bool accentata = haAccentate(v);
        std::string_view forma = v;
        if (riscritta || accentata) {
            std::string intera = riscritta ? Arrangia(v) : std::string(v);
            if (accentata) {
                f.righeAccentate.push_back(r);
                f.testiAccentati.push_back(testi_.size());
                testi_ += intera;
            }
            piegata = intera;
            accenti::foldAll(piegata);
            f.righeRiscritte.push_back(r);
            f.testiRiscritti.push_back(testi_.size());
            testi_ += piegata;
            forma = piegata;
        }
        const size_t righe = perLarghezza[larghezza[i]];
        for (size_t k = 0; k < forma.size(); ++k)
            f.colonne[k * righe + r] = static_cast<unsigned char>(forma[k]);
        f.indici.push_back(static_cast<uint32_t>(i));
        f.lettere.push_back(lettereDi(forma));
    }
}

// One search over the index: walks the groups whose length can match, narrowing each block of
// rows column by column before anything reads a whole text.
class IndiceModello::Scansione {
public:
    Scansione(const IndiceModello& indice, const Voci& voci, const Modello& m, bool accenti,
              std::vector<uint64_t>& trovate, Poll& poll)
        : indice_(indice), voci_(voci), m_(m), accenti_(accenti), trovate_(trovate), poll_(poll) {
        candidati_.resize(kBlocco + 16);
        for (const Fascia& f : indice.fasce_)
            if (ammessa(f)) totale_ += f.righe();
    }

    bool esegui() {
        for (const Fascia& f : indice_.fasce_) {
            if (!ammessa(f)) continue;
            if (!(accenti_ && m_.esigeAccento()) && !fasciaPiegata(f)) return false;
            if (accenti_) fasciaAccentata(f);
        }
        return true;
    }

private:
    struct Vincolo {
        const unsigned char* colonna;
        const Modello::Insieme* insieme;
    };

    bool ammessa(const Fascia& f) const {
        if (!m_.valido() || f.righe() == 0) return false;
        return m_.haAsterisco() ? f.larghezza >= m_.lunghezzaMinima()
                                : f.larghezza == m_.lunghezzaMinima();
    }

    void segna(uint32_t indice) { trovate_[indice >> 6] |= uint64_t{1} << (indice & 63); }

    // The places the pattern fixes in rows of this group, the most selective first; "?" fixes
    // nothing.
    std::vector<Vincolo> vincoli(const Fascia& f) const {
        std::vector<Vincolo> v;
        auto aggiungi = [&](const Modello::Insieme& s, size_t pos) {
            if (!s.tutti()) v.push_back({f.colonne.data() + pos * f.righe(), &s});
        };
        const auto& pre = m_.prefisso();
        for (size_t k = 0; k < pre.size(); ++k) aggiungi(pre[k], k);
        const auto& suf = m_.suffisso();
        for (size_t k = 0; k < suf.size(); ++k) aggiungi(suf[k], f.larghezza - suf.size() + k);
        std::stable_sort(v.begin(), v.end(), [](const Vincolo& a, const Vincolo& b) {
            return a.insieme->quanti() < b.insieme->quanti();
        });
        return v;
    }

    size_t primi(const Vincolo& v, uint32_t da, uint32_t a) {
        uint32_t* out = candidati_.data();
        size_t n = 0;
        uint32_t r = da;
        const int unico = v.insieme->unico();
        if (unico >= 0) {
            const auto c = static_cast<unsigned char>(unico);
#if defined(__SSE2__)
            const __m128i cerca = _mm_set1_epi8(static_cast<char>(c));
            for (; r + 16 <= a; r += 16) {
                __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v.colonna + r));
                auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, cerca)));
                while (bits) {
                    out[n++] = r + static_cast<uint32_t>(std::countr_zero(bits));
                    bits &= bits - 1;
                }
            }
#endif
            for (; r < a; ++r) {
                out[n] = r;
                n += v.colonna[r] == c;
            }
            return n;
        }
        for (; r < a; ++r) {
            out[n] = r;
            n += v.insieme->ha(v.colonna[r]);
        }
        return n;
    }

    size_t tutti(const Fascia& f, uint32_t da, uint32_t a) {
        uint32_t* out = candidati_.data();
        const uint32_t richieste = m_.lettereCentrali();
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

    // Narrows candidati_ by what the fixed places alone cannot tell.
    size_t restringi(const Fascia& f, const std::vector<Vincolo>& vv, size_t n) {
        for (size_t k = 1; k < vv.size(); ++k) {
            const Vincolo v = vv[k];
            n = filtra(n, [&](uint32_t r) { return v.insieme->ha(v.colonna[r]); });
        }
        const uint32_t richieste = m_.lettereCentrali();
        if (!vv.empty() && richieste)
            n = filtra(n, [&](uint32_t r) { return (f.lettere[r] & richieste) == richieste; });
        if (accenti_) {
            // Rows with accents are compared unfolded, apart from this scan.
            size_t a = 0;
            n = filtra(n, [&](uint32_t r) {
                while (a < f.righeAccentate.size() && f.righeAccentate[a] < r) ++a;
                return !(a < f.righeAccentate.size() && f.righeAccentate[a] == r);
            });
        }
        if (!m_.centrali().empty()) {
            const size_t da = m_.prefisso().size(), a = f.larghezza - m_.suffisso().size();
            size_t s = 0;
            n = filtra(n, [&](uint32_t r) {
                while (s < f.righeRiscritte.size() && f.righeRiscritte[s] < r) ++s;
                const char* t = s < f.righeRiscritte.size() && f.righeRiscritte[s] == r
                                    ? indice_.testi_.data() + f.testiRiscritti[s]
                                    : voci_[f.indici[r]].data();
                return m_.centraliTra(t, da, a);
            });
        }
        return n;
    }

    bool fasciaPiegata(const Fascia& f) {
        const std::vector<Vincolo> vv = vincoli(f);
        for (uint32_t da = 0; da < f.righe(); da += kBlocco) {
            const uint32_t a = std::min(f.righe(), da + kBlocco);
            size_t n = vv.empty() ? tutti(f, da, a) : primi(vv.front(), da, a);
            n = restringi(f, vv, n);
            for (size_t i = 0; i < n; ++i) segna(f.indici[candidati_[i]]);
            if (!avanza(a - da)) return false;
        }
        return true;
    }

    void fasciaAccentata(const Fascia& f) {
        for (size_t k = 0; k < f.righeAccentate.size(); ++k) {
            std::string_view t(indice_.testi_.data() + f.testiAccentati[k], f.larghezza);
            if (m_.combacia(t)) segna(f.indici[f.righeAccentate[k]]);
        }
    }

    bool avanza(uint32_t righe) {
        fatte_ += righe;
        if (fatte_ * 100 / std::max<uint64_t>(totale_, 1) != segnalate_) {
            segnalate_ = fatte_ * 100 / std::max<uint64_t>(totale_, 1);
            poll_.progress(static_cast<int64_t>(fatte_), static_cast<int64_t>(totale_));
        }
        return !poll_.stop();
    }

    const IndiceModello& indice_;
    const Voci& voci_;
    const Modello& m_;
    bool accenti_;
    std::vector<uint64_t>& trovate_;
    Poll& poll_;
    std::vector<uint32_t> candidati_;
    uint64_t totale_ = 0, fatte_ = 0, segnalate_ = 0;
};

bool IndiceModello::cerca(const Voci& voci, const Modello& modello, bool accenti,
                          std::vector<uint64_t>& trovate, Poll& poll) const {
    return Scansione(*this, voci, modello, accenti, trovate, poll).esegui();
}

} // namespace verbolario
