#include "IntervalloLunghezze.h"

#include "dictionary/Voci.h"
#include "games/IndiceLunghezze.h"

#include <cmath>

namespace verbolario {

std::vector<IntervalloLunghezze::Banda> IntervalloLunghezze::bande() const {
    return {
        {0, min - 3, kGiallo},    {min - 3, max + 3, kVerde}, {max, scala, kRosso},
        {min - 3, min - 2, kBlu}, {max - 1, max, kBlu},
    };
}

std::string_view IntervalloLunghezze::suggerimento(int64_t x) const {
    if (x <= min - 3) return "Minimo";
    if (x < max) return "Intervallo";
    return "Massimo";
}

bool IntervalloLunghezze::trascina(int64_t x) {
    if (x > 0 && x <= max - 4 && x >= min - 3 && x < min) {
        if (min == x + 2) return false;
        min = x + 2;
        return true;
    }
    if (x >= max - 2 && x <= max + 1 && x >= min + 2 && x <= scala) {
        if (max == x) return false;
        max = x;
        return true;
    }
    return false;
}

int64_t IntervalloLunghezze::unita(double px, double larghezza, int64_t scala) {
    if (larghezza <= 0) return 0;
    return static_cast<int64_t>(std::nearbyint(px * static_cast<double>(scala) / larghezza));
}

std::string IntervalloLunghezze::etichetta(int64_t n) {
    std::string s = std::to_string(n);
    return n < 10 ? " " + s : s;
}

int64_t GetRange(const Voci& voci, int64_t min, int64_t max) {
    return voci.derived<IndiceLunghezze>().conta(min, max);
}

std::string MessaggioIntervallo(int64_t quante) {
    return std::to_string(quante) + " parole rientrano nell'ntervallo.";
}

} // namespace verbolario
