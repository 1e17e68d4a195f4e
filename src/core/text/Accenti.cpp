#include "text/Accenti.h"

#include "text/Lettere.h"

#include <array>

namespace verbolario::accenti {
namespace {

struct Tavole {
    std::array<signed char, 256> rango{}; // place in the accent table, -1 for other chars
    constexpr Tavole() {
        for (int i = 0; i < 256; ++i) rango[i] = -1;
        for (size_t k = 0; k < lettere::kVocaliAccentate.size(); ++k)
            rango[static_cast<unsigned char>(lettere::kVocaliAccentate[k])] =
                static_cast<signed char>(k);
    }
};
constexpr Tavole kTavole;

// Index of the character Accentazione picks, or npos.
size_t scelta(std::string_view s) {
    int migliore = 127;
    size_t pos = std::string_view::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        int r = kTavole.rango[static_cast<unsigned char>(s[i])];
        if (r >= 0 && r < migliore) {
            migliore = r;
            pos = i;
            if (r == 0) break;
        }
    }
    return pos;
}

} // namespace

int64_t Accentazione(std::string_view s, bool dallaFine) {
    size_t p = scelta(s);
    if (p == std::string_view::npos) return 0;
    return dallaFine ? static_cast<int64_t>(s.size() - (p + 1)) : static_cast<int64_t>(p + 1);
}

std::string TogliAccento(std::string_view s, bool mantieniFinale, bool& fatto) {
    std::string out(s);
    size_t p = scelta(s);
    if (p == std::string_view::npos || (mantieniFinale && p + 1 == s.size())) {
        fatto = true;
        return out;
    }
    out[p] = static_cast<char>(piana(static_cast<unsigned char>(out[p])));
    return out;
}

std::string NoAcc(std::string_view s, bool mantieniFinale, int64_t& contatore) {
    std::string out(s);
    if (!mantieniFinale) {
        contatore += foldAll(out);
        return out;
    }
    for (;;) {
        size_t p = scelta(out);
        if (p == std::string::npos || p + 1 == out.size()) return out;
        out[p] = static_cast<char>(piana(static_cast<unsigned char>(out[p])));
        ++contatore;
    }
}

std::string NoAcc(std::string_view s) {
    std::string out(s);
    foldAll(out);
    return out;
}

int64_t foldAll(std::string& s) {
    // Without a branch per character: accented vowels come at random in a text, and a
    // mispredicted branch costs more than the store.
    int64_t n = 0;
    for (char& c : s) {
        const auto u = static_cast<unsigned char>(c);
        const unsigned char p = piana(u);
        n += p != u;
        c = static_cast<char>(p);
    }
    return n;
}

} // namespace verbolario::accenti
