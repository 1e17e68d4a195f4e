#pragma once

class QPainter;

namespace verbolario {

// Paints the owl on its branch in the 110 x 114 box of its outline (scale the painter for
// other sizes). The painter should be clipped to the outline: the shapes run over its edge
// and the clip gives them their contour.
void DisegnaGufo(QPainter& p);

} // namespace verbolario
