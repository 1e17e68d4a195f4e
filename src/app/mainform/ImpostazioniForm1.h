#pragma once

#include <QRect>
#include <QString>

#include <string>

class QScreen;

namespace verbolario {

class Form1;

// The main window's settings: read at load (every row of the settings table, in order, with
// the corrections that keep them usable) and written back at shutdown, in the fixed order.
// Position and size are stored in twips (1440 per inch of the screen's logical resolution).
class ImpostazioniForm1 {
public:
    // Reads the settings into the window, selects the stored mode (the window is still
    // hidden, so no sound) and places the window.
    static void leggi(Form1& f);
    // Writes every setting back. `finestraNormale`: the window is neither minimised nor
    // maximised, so its position and size are worth keeping.
    static void scrivi(Form1& f);

    // Pixels to twips and back at the logical resolution of `schermo` (96 dpi when none).
    static double pixelInTwips(double px, const QScreen* schermo);
    static double twipsInPixel(double twips, const QScreen* schermo);
    // Outer position and inner size of the window from stored twips: on a screen, never larger than
    // the screen's free area, and moved back onto the screen under it (or the primary one) when it
    // would open out of sight.
    static QRect geometriaDaTwips(double left, double top, double width, double height);

    // Paths are kept as the file system's bytes, so any file name round-trips.
    static std::string percorsoInIni(const QString& percorso);
    static QString percorsoDaIni(const std::string& testo);
};

} // namespace verbolario
