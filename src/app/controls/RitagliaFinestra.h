#pragma once

#include <QRegion>

#include <cstdint>

class QWidget;

namespace verbolario {

// The owl's outline: 91 horizontal runs in a 110 x 114 pixel box, each two pixels high.
// A run is stored as one number x1 * 1000000 + y * 1000 + x2 (x2 excluded).
struct TrattoSagoma {
    int x1 = 0;
    int y = 0;
    int x2 = 0;
    bool operator==(const TrattoSagoma&) const = default;
};

// Reads one number of the table: the last three digits are x2, the three before them y,
// the leading ones x1.
TrattoSagoma decodificaTratto(int64_t numero);

// The outline as a region, scaled from the 110 x 114 box by sx, sy; run edges are rounded
// one by one, so the rows of a scaled outline still touch.
QRegion sagomaGufo(double sx = 1.0, double sy = 1.0);

inline constexpr int kLarghezzaGufo = 110;
inline constexpr int kAltezzaGufo = 114;

// Cuts the widget to the outline, scaled to its current size: nothing outside it is drawn,
// and a click there goes to whatever lies under the widget.
void RitagliaFinestra(QWidget& w);

} // namespace verbolario
