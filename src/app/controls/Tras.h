#pragma once

#include <QColor>
#include <QRegion>

#include <optional>

class QImage;
class QWidget;

namespace verbolario {

// True where the running platform can show a see-through main window. The colour key is
// carried by a window mask, which X11 honours for drawing and for input alike, with or
// without a compositor; elsewhere (offscreen, minimal, Wayland, where a mask shapes only the
// input and the cut-away parts would show stale pixels) the window stays opaque.
bool TrasparenzaDisponibile();
// Forces the answer of TrasparenzaDisponibile (tests); nullopt asks the platform again.
void ForzaTrasparenzaDisponibile(std::optional<bool> valore);

// With an invalid key: no keying; the whole window gets opacita / 255 (255 = plainly
// opaque, values clamped to 0..255). With a valid key: every pixel the window shows in the
// key colour is cut away, neither drawn nor clickable, and opacita is ignored; the cut
// follows the window as it repaints. Does nothing where TrasparenzaDisponibile is false.
void ImpostaTrasparenza(QWidget& finestra, QColor chiave, int opacita);

// The part of `immagine` whose pixels differ from `chiave` (red, green and blue compared,
// alpha ignored), built from the runs of each row: rows with the same runs share one band.
QRegion RegioneSenzaChiave(const QImage& immagine, QColor chiave);

} // namespace verbolario
