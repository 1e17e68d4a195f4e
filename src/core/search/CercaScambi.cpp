#include "search/CercaScambi.h"

#include "dictionary/VociInMemoria.h"
#include "search/Ascolto.h"
#include "search/IndiceModello.h"
#include "search/Passata.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace verbolario {
namespace {

using Insieme = std::array<bool, 256>;

Insieme insieme(int tipo) {
    Insieme s{};
    for (int c = 0; c < 256; ++c) {
        auto u = static_cast<unsigned char>(c);
        s[u] = tipo == 0 ? lettere::isVocale(u) : lettere::isConsonante(u);
    }
    return s;
}

// Differs from the word at exactly one place, where both hold a letter of the set.
bool unoScambio(const char* f, std::string_view w, const Insieme& s) {
    size_t diversa = w.size();
    for (size_t j = 0; j < w.size(); ++j) {
        if (f[j] == w[j]) continue;
        if (diversa != w.size()) return false;
        diversa = j;
    }
    return diversa != w.size() && s[static_cast<unsigned char>(w[diversa])] &&
           s[static_cast<unsigned char>(f[diversa])];
}

// Differs from the word, and only where the word holds a letter of the set, with a letter of
// the set there.
bool tuttiScambi(const char* f, std::string_view w, const Insieme& s) {
    bool diversa = false;
    for (size_t j = 0; j < w.size(); ++j) {
        auto a = static_cast<unsigned char>(w[j]);
        auto b = static_cast<unsigned char>(f[j]);
        if (s[a]) {
            if (!s[b]) return false;
            diversa |= a != b;
        } else if (a != b) {
            return false;
        }
    }
    return diversa;
}

// The rows of one group, 64 at a time, column by column: a column of the block is read only
// while some row of it can still be a hit.
class Blocco {
public:
    Blocco(const IndiceModello::Colonne& g, size_t larghezza, size_t da)
        : g_(g), larghezza_(larghezza), da_(da), m_(std::min<size_t>(64, g.n - da)),
          tutte_(m_ == 64 ? ~uint64_t{0} : (uint64_t{1} << m_) - 1) {}

    // The rows that differ from the word at exactly one place, where both hold a letter of
    // the set (unoScambio on each row).
    uint64_t unoScambio(std::string_view w, const Insieme& s) const {
        uint64_t uno = 0, due = 0, fuori = 0;
        for (size_t j = 0; j < larghezza_; ++j) {
            const uint64_t diverse = ~uguali(j, w[j]) & tutte_;
            if (!diverse) continue;
            due |= uno & diverse;
            uno |= diverse;
            if (!s[static_cast<unsigned char>(w[j])])
                fuori |= diverse;
            else
                fuori |= fuoriInsieme(j, diverse & ~due & ~fuori, s);
            if ((due | fuori) == tutte_) return 0;
        }
        return uno & ~due & ~fuori;
    }

    // The rows that differ from the word, and only where the word holds a letter of the set,
    // with a letter of the set there (tuttiScambi on each row).
    uint64_t tuttiScambi(std::string_view w, const Insieme& s) const {
        uint64_t vive = tutte_;
        for (size_t j = 0; j < larghezza_ && vive; ++j)
            if (!s[static_cast<unsigned char>(w[j])]) vive &= uguali(j, w[j]);
        uint64_t diverse = 0;
        for (size_t j = 0; j < larghezza_ && vive; ++j)
            if (s[static_cast<unsigned char>(w[j])]) {
                diverse |= ~uguali(j, w[j]) & vive;
                vive &= ~fuoriInsieme(j, vive, s);
            }
        return vive & diverse;
    }

private:
    // The rows whose character at place j is c.
    uint64_t uguali(size_t j, char c) const {
        return g_.colonne[j].uguali(static_cast<uint32_t>(da_), static_cast<uint32_t>(m_),
                                    static_cast<unsigned char>(c));
    }

    // Of the rows in quali, those whose character at place j is outside the set.
    uint64_t fuoriInsieme(size_t j, uint64_t quali, const Insieme& s) const {
        const IndiceModello::Colonna& colonna = g_.colonne[j];
        uint64_t fuori = 0;
        for (; quali; quali &= quali - 1) {
            const int k = std::countr_zero(quali);
            fuori |= uint64_t{!s[colonna[static_cast<uint32_t>(da_ + static_cast<size_t>(k))]]}
                     << k;
        }
        return fuori;
    }

    const IndiceModello::Colonne& g_;
    size_t larghezza_;
    size_t da_;
    size_t m_;
    uint64_t tutte_;
};

std::string stato(int tipo, size_t n) {
    const char* k = tipo == 0 ? " vocale " : " consonante ";
    return std::to_string(n) + (n == 1 ? std::string(" cambio di") + k + "trovato."
                                       : std::string(" cambi di") + k + "trovati.");
}

// The word lower-cased and folded; empty when nothing is to be searched.
std::string parolaDi(std::string_view testoText1) {
    std::string parola = cp1252::lowered(trimSpazi(testoText1));
    accenti::foldAll(parola);
    return parola;
}

} // namespace

RisultatoRicerca CercaScambi(int tipo, std::string_view testoText1, bool tutte, const Voci& voci,
                             Poll& poll) {
    const IndiceModello* indice = voci.cached<IndiceModello>();
    if (!indice) {
        VociInMemoria fonte(voci);
        return CercaScambi(tipo, testoText1, tutte, fonte, poll);
    }
    RisultatoRicerca out;
    const std::string parola = parolaDi(testoText1);
    if (parola.empty()) {
        out.eseguita = false;
        return out;
    }
    const Insieme s = insieme(tipo);
    // The pattern index keeps the folded entries by length; those with a blank or hyphen
    // there are compared without them, so they have another stored length and are passed over.
    const IndiceModello::Colonne g = indice->colonne(parola.size());
    Ascolto ascolto(poll, static_cast<int64_t>(g.n));
    const uint32_t* salta = g.riscritte ? g.riscritte->data() : nullptr;
    const uint32_t* fineSalta = salta ? salta + g.riscritte->size() : nullptr;
    for (size_t da = 0; da < g.n; da += 64) {
        if (!ascolto.arrivaA(static_cast<int64_t>(da))) break;
        const Blocco blocco(g, parola.size(), da);
        uint64_t hit = tutte ? blocco.tuttiScambi(parola, s) : blocco.unoScambio(parola, s);
        for (; salta != fineSalta && *salta < da + 64; ++salta)
            hit &= ~(uint64_t{1} << (*salta - da));
        for (; hit; hit &= hit - 1)
            out.righe.emplace_back(voci[g.indici[da + static_cast<size_t>(std::countr_zero(hit))]]);
    }
    out.interrotto = ascolto.fermato();
    out.stato = stato(tipo, out.righe.size());
    return out;
}

RisultatoRicerca CercaScambi(int tipo, std::string_view testoText1, bool tutte, FonteVoci& fonte,
                             Poll& poll) {
    RisultatoRicerca out;
    const std::string parola = parolaDi(testoText1);
    if (parola.empty()) {
        out.eseguita = false;
        return out;
    }
    const Insieme s = insieme(tipo);
    std::string forma(parola.size(), '\0');
    out.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        if (e.size() != parola.size() || VaRiscritta(e)) return true;
        for (size_t k = 0; k < e.size(); ++k)
            forma[k] = static_cast<char>(accenti::piana(static_cast<unsigned char>(e[k])));
        if (tutte ? tuttiScambi(forma.data(), parola, s) : unoScambio(forma.data(), parola, s))
            out.righe.emplace_back(e);
        return true;
    });
    out.stato = stato(tipo, out.righe.size());
    return out;
}

} // namespace verbolario
