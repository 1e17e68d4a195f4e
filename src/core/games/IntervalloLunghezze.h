#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

class Voci;

// The guessing game's word-length range and the bar that sets it. The bar is `scala` units
// wide (one unit per length); the lower marker sits three units left of `min`, the upper one
// ends at `max`:
//
//   0        min-3 min-2                  max-1 max          scala
//   | yellow |blue|       green          |blue|     red      |
//
// Lengths are those of the entries as stored, comment included.
struct IntervalloLunghezze {
    int64_t min = 3;
    int64_t max = 0;
    int64_t scala = 0;

    // Colours as 0x00BBGGRR.
    static constexpr uint32_t kGiallo = 0x00FFFF;
    static constexpr uint32_t kVerde = 0x00FF00;
    static constexpr uint32_t kRosso = 0x0000FF;
    static constexpr uint32_t kBlu = 0xFF0000;

    // One filled band of the bar, from unit `da` to unit `a`, full height.
    struct Banda {
        int64_t da;
        int64_t a;
        uint32_t colore;
        bool operator==(const Banda&) const = default;
    };
    // The bands in drawing order (later ones cover earlier ones).
    std::vector<Banda> bande() const;

    // The bar's tooltip for the pointer at unit x: "Minimo", "Intervallo" or "Massimo".
    std::string_view suggerimento(int64_t x) const;

    // One step of a drag with the left button, the pointer at unit x. A marker follows the
    // pointer while the pointer stays next to it: min never drops below 3 nor max below
    // min + 2, and max never passes the scale. True when a marker moved.
    bool trascina(int64_t x);

    // The unit under a pointer at pixel px of a bar `larghezza` pixels wide: px scaled to
    // the units, to the nearest integer (ties to even).
    static int64_t unita(double px, double larghezza, int64_t scala);

    // A number as the two labels of the bar show it: one blank before a single digit.
    static std::string etichetta(int64_t n);
};

// Entries of the dictionary whose length lies in [min, max].
int64_t GetRange(const Voci& voci, int64_t min, int64_t max);

// The status message after the range was changed: how many entries it holds.
std::string MessaggioIntervallo(int64_t quante);

} // namespace verbolario
