#include "RigaCaselle.h"

#include <algorithm>
#include <cmath>

namespace verbolario {

RigaCaselle RigaCaselle::disponi(int64_t lunghezza, int larghezza, int altezza) {
    RigaCaselle r;
    if (lunghezza <= 0 || larghezza <= 0 || altezza <= 0) return r;
    const double h = larghezza / double(kLarghezzaProgetto);
    const double v = altezza / double(kAltezzaProgetto);
    const double n = static_cast<double>(lunghezza);
    const double stanza = std::max(1.0, larghezza - 2 * kMargine * h);
    const double piena = kCasellaLarga * h;
    const double larga = std::min(piena, stanza / n);
    // Narrow boxes get lower too, so they keep the look of a letter tile.
    const double alta = kCasellaAlta * v * std::clamp(larga / piena, 0.6, 1.0);
    const double sinistra = (larghezza - std::floor(n * larga)) / 2;
    const int y = static_cast<int>(std::lround(kCentroRiga * v - alta / 2));
    const int a = std::max(1, static_cast<int>(std::lround(alta)));
    r.caselle.reserve(static_cast<size_t>(lunghezza));
    // Edges rounded from the exact positions: the boxes touch and the row does not creep.
    int x = static_cast<int>(std::lround(sinistra));
    for (int64_t j = 0; j < lunghezza; ++j) {
        const int fine = static_cast<int>(std::lround(sinistra + double(j + 1) * larga));
        r.caselle.push_back({x, y, std::max(1, fine - x), a});
        x = fine;
    }
    r.pixelCarattere =
        std::max(6, static_cast<int>(std::lround(std::min(0.62 * alta, 0.8 * larga))));
    return r;
}

} // namespace verbolario
