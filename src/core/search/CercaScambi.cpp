#include "search/CercaScambi.h"

#include "dictionary/VociInMemoria.h"
#include "search/Ascolto.h"
#include "search/IndiceModello.h"
#include "search/Passata.h"
#include "search/Spazi.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <array>
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
    const IndiceModello::Righe g = indice->righe(parola.size());
    Ascolto ascolto(poll, static_cast<int64_t>(g.n));
    const uint32_t* salta = g.riscritte ? g.riscritte->data() : nullptr;
    const uint32_t* fineSalta = salta ? salta + g.riscritte->size() : nullptr;
    size_t prossimaSaltata = salta != fineSalta ? *salta : SIZE_MAX;
    const char* f = g.testi;
    for (size_t r = 0; r < g.n; ++r, f += parola.size()) {
        if (!ascolto.arrivaA(static_cast<int64_t>(r))) break;
        if (r == prossimaSaltata) {
            prossimaSaltata = ++salta != fineSalta ? *salta : SIZE_MAX;
            continue;
        }
        if (tutte ? tuttiScambi(f, parola, s) : unoScambio(f, parola, s))
            out.righe.emplace_back(voci[g.indici[r]]);
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
