#pragma once

#include <QFont>

namespace verbolario {

// The one typeface of the games' controls: Arial at a size in points, bold for the values and
// the words in play.
inline QFont fontArial(double punti, bool grassetto = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

} // namespace verbolario
