#pragma once

#include <cstdint>
#include <vector>

namespace verbolario {

// Where the guessing game's letter boxes go in the main window: one row of touching boxes,
// centred in the window. At the design size (640 x 467 pixels inside) a box is 24 x 30; the
// row scales with the window, and a word too long for the room between the mode column and
// its mirror on the right gets narrower (and, down to a limit, lower) boxes instead of
// running under the column.
struct RigaCaselle {
    struct Riquadro {
        int x = 0;
        int y = 0;
        int larghezza = 0;
        int altezza = 0;
        bool operator==(const Riquadro&) const = default;
    };

    std::vector<Riquadro> caselle;
    int pixelCarattere = 0; // the letters' font size, in pixels

    // The row for a word of `lunghezza` characters in a window `larghezza` x `altezza`
    // pixels inside.
    static RigaCaselle disponi(int64_t lunghezza, int larghezza, int altezza);

    static constexpr int kLarghezzaProgetto = 640;
    static constexpr int kAltezzaProgetto = 467;
    static constexpr double kCasellaLarga = 24;
    static constexpr double kCasellaAlta = 30;
    static constexpr double kCentroRiga = 215; // vertical centre of the row
    static constexpr double kMargine = 152;    // the mode column and a gap, each side
};

} // namespace verbolario
