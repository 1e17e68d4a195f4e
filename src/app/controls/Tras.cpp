#include "Tras.h"

#include "controls/ChiaveColore.h"

#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace verbolario {

namespace {

std::optional<bool> disponibilitaForzata;

using Tratti = std::vector<std::pair<int, int>>; // [inizio, fine) of each run in a row

void trattiRiga(const QRgb* riga, int larghezza, QRgb chiave, Tratti& tratti) {
    tratti.clear();
    int x = 0;
    while (x < larghezza) {
        while (x < larghezza && (riga[x] & 0xFFFFFFu) == chiave) ++x;
        if (x == larghezza) break;
        const int inizio = x;
        while (x < larghezza && (riga[x] & 0xFFFFFFu) != chiave) ++x;
        tratti.emplace_back(inizio, x);
    }
}

} // namespace

bool TrasparenzaDisponibile() {
    if (disponibilitaForzata) return *disponibilitaForzata;
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void ForzaTrasparenzaDisponibile(std::optional<bool> valore) {
    disponibilitaForzata = valore;
}

void ImpostaTrasparenza(QWidget& finestra, QColor chiave, int opacita) {
    if (!TrasparenzaDisponibile()) return;
    ChiaveColore* aiuto = ChiaveColore::di(finestra);
    if (!chiave.isValid()) {
        delete aiuto;
        finestra.clearMask();
        finestra.setWindowOpacity(std::clamp(opacita, 0, 255) / 255.0);
        return;
    }
    finestra.setWindowOpacity(1.0);
    if (aiuto)
        aiuto->impostaChiave(chiave);
    else
        aiuto = new ChiaveColore(finestra, chiave);
    aiuto->aggiorna();
}

QRegion RegioneSenzaChiave(const QImage& immagine, QColor chiave) {
    if (immagine.isNull() || !chiave.isValid()) return {};
    const bool diretta =
        immagine.format() == QImage::Format_RGB32 || immagine.format() == QImage::Format_ARGB32;
    const QImage img = diretta ? immagine : immagine.convertToFormat(QImage::Format_RGB32);
    const QRgb k = chiave.rgb() & 0xFFFFFFu;
    std::vector<QRect> rettangoli;
    Tratti banda, riga;
    int inizioBanda = 0;
    auto chiudiBanda = [&](int fine) {
        for (auto [a, b] : banda)
            rettangoli.emplace_back(a, inizioBanda, b - a, fine - inizioBanda);
    };
    for (int y = 0; y < img.height(); ++y) {
        trattiRiga(reinterpret_cast<const QRgb*>(img.constScanLine(y)), img.width(), k, riga);
        if (y > 0 && riga == banda) continue;
        chiudiBanda(y);
        banda.swap(riga);
        inizioBanda = y;
    }
    chiudiBanda(img.height());
    QRegion regione;
    // Sorted, banded and never overlapping, so QRegion takes the rectangles as they are.
    if (!rettangoli.empty())
        regione.setRects(rettangoli.data(), static_cast<int>(rettangoli.size()));
    return regione;
}

} // namespace verbolario
