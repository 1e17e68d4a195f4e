#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>

class QPainter;

namespace verbolario {

// The drawing of a status-band message: the text in a band along the bottom of a surface
// of inner size W x H, first in black one pixel right and about k pixels down (the
// shadow), then in the message colour. The caller clears the surface back to its
// background first and shows it afterwards.

// Format flags: 1 centres the lines, 0 aligns them left; lines always break at word
// boundaries, and "\r\n" starts a new line.
constexpr unsigned kMessaggioCentrato = 1;
constexpr unsigned kMessaggioASinistra = 0;

// The message font: "Arial" (or its metric twin Liberation Sans) at 11 x k points.
QFont FontMessaggi(double fattoreScala);

// The shadow's rectangle: left 11, top round(H - round(55k)), right round(W - 10),
// bottom round(H - 2), rounding ties to even; right and bottom are exclusive, so a tiny
// surface gives an empty rectangle.
QRect RettangoloOmbra(QSizeF interno, double fattoreScala);
// The text's rectangle: left 10, top round(H - round(56k)), right round(W - 11),
// bottom round(H - 3).
QRect RettangoloTesto(QSizeF interno, double fattoreScala);

// Draws both passes with `font` (usually FontMessaggi(k)), each clipped to its rectangle.
// The painter's state is restored afterwards.
void DisegnaMessaggio(QPainter& p, QSizeF interno, double fattoreScala, const QString& testo,
                      unsigned formato, const QColor& colore, const QFont& font);

} // namespace verbolario
