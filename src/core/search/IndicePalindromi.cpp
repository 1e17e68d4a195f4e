#include "search/IndicePalindromi.h"

#include "text/Accenti.h"
#include "text/Lettere.h"

#include <algorithm>

namespace verbolario {

bool IndicePalindromi::palindromo(std::string_view voce, std::string& lettere) {
    if (voce.size() <= 2) return false;
    // First and last letters that differ settle most entries at once.
    const auto primo = static_cast<unsigned char>(voce.front());
    const auto ultimo = static_cast<unsigned char>(voce.back());
    if (lettere::isAlfabeto(primo) && lettere::isAlfabeto(ultimo) &&
        accenti::piana(primo) != accenti::piana(ultimo))
        return false;
    lettere.clear();
    for (char c : voce) {
        auto u = static_cast<unsigned char>(c);
        if (lettere::isAlfabeto(u)) lettere.push_back(static_cast<char>(accenti::piana(u)));
    }
    // An entry with no letters at all (digits, signs) reads the same backwards only
    // vacuously; it is not a palindrome.
    if (lettere.empty()) return false;
    // Only half the stored length is compared; with blanks or signs dropped the letters may
    // be fewer than that, and then they must all mirror.
    const size_t n = lettere.size();
    const size_t h = std::min(voce.size() / 2, n);
    for (size_t k = 0; k < h; ++k)
        if (lettere[k] != lettere[n - 1 - k]) return false;
    return true;
}

IndicePalindromi::IndicePalindromi(const Voci& voci) {
    std::string scratch;
    for (size_t i = 0; i < voci.size(); ++i)
        if (palindromo(voci[i], scratch)) trovate_.push_back(static_cast<uint32_t>(i));
}

} // namespace verbolario
