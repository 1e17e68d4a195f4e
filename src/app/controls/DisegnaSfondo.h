#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace verbolario {

// Background styles of the main window, as stored under "Fade".
enum StileSfondo : int {
    NoFade = 0,
    Fade1 = 1,     // dark at the top, light at the bottom
    Fade2 = 2,     // dark at top and bottom, light in the middle
    Fade3 = 3,     // light in the centre, rings fading outward
    Tile = 4,      // the tile picture repeated from the top left corner
    Trasparent = 5 // nothing painted; the window is made see-through elsewhere
};

struct ParametriSfondo {
    int stile = NoFade;            // StileSfondo; 5 and unknown values paint nothing
    int colore = -1;               // blue of the fades, -1..255; -1 = grey fades
    bool motivo = false;           // scatter embossed letters over the background
    QColor sfondo = Qt::lightGray; // the window's plain background colour
    QImage mattonella;             // the tile of style 4
};

// The uniform random source in [0, 1) behind the letter pattern.
using CasualeSfondo = std::function<double()>;

// The font family of the pattern letters: Times New Roman, or a metric twin of it.
QString famigliaLettere();

// Paints the window's background for an inner size of `interno` pixels: the plain
// background colour, the style on it, then the letter pattern when asked. Style 1 draws
// 2-pixel lines, so each row shows the line drawn last over it, the one just below it; the
// rings of style 3 are coloured per pixel by the rounded distance from the centre, and
// pixels past the largest ring (radius = width) keep the plain colour. `rnd` may be empty
// (a clock-seeded generator is used). A size with no pixels gives a null image.
QImage DisegnaSfondo(QSize interno, const ParametriSfondo& parametri,
                     const CasualeSfondo& rnd = {});

// Colour of line y of styles 1 and 2 for an inner height h (the lines run from 0 to h).
QColor coloreLinea(int stile, int y, int h, int colore);
// Colour of ring r of style 3.
QColor coloreAnello(int r, int colore);

} // namespace verbolario
