#pragma once

#include <QColor>
#include <QPalette>

#include <cmath>
#include <cstdint>

namespace verbolario {

// Colours are stored in the settings as 32-bit 0x00BBGGRR values; 0x800000nn names the
// system colour nn (button face, window text, ...), which follows the current palette.

// Rounds to nearest with ties to even, the rule every stored geometry and colour follows.
inline int arrotonda(double v) {
    if (!std::isfinite(v)) return 0;
    if (v > 2147483647.0) return 2147483647;
    if (v < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(std::nearbyint(v));
}

inline int Rosso(uint32_t c) {
    return static_cast<int>(c & 0xFFu);
}
inline int Verde(uint32_t c) {
    return static_cast<int>((c & 0xFF00u) / 256u);
}
inline int Blu(uint32_t c) {
    return static_cast<int>((c & 0xFF0000u) / 65536u);
}

// The colour (|r - red|, |g - green|, |b - blue|) of c; with 255, 255, 255 the complement.
uint32_t DifferenzaColore(uint32_t c, int r, int g, int b);

// 0x00BBGGRR (or a system colour 0x800000nn, looked up in the palette) to QColor.
QColor coloreDaBgr(uint32_t bgr, const QPalette& tavolozza);
QColor coloreDaBgr(uint32_t bgr); // uses the application's palette

// QColor to 0x00BBGGRR; alpha is dropped.
uint32_t bgrDaColore(const QColor& colore);

// Reads a colour kept in a property bag or settings map: a number is 0x00BBGGRR (or a
// system colour), a QColor is taken as it is; anything else gives the fallback.
QColor coloreDaVariante(const QVariant& valore, const QColor& altrimenti);

} // namespace verbolario
