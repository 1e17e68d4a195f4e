#include "controls/DisegnaSfondo.h"

#include "controls/Colori.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

namespace verbolario {

namespace {

constexpr int kLettere = 151;
constexpr int kPuntiPerMetro96Dpi = 3780; // point sizes are meant on a 96 dpi surface

int bluDi(int colore) {
    return std::clamp(colore, -1, 255);
}

int canale(int t) {
    return std::clamp(t, 0, 255);
}

void dipingiRighe(QImage& img, int stile, int colore) {
    const int h = img.height();
    for (int riga = 0; riga < h; ++riga) {
        // A 2-pixel line at y covers rows y - 1 and y, so each row ends up with the colour
        // of the line just below it, and the last line (y = h) still shows.
        const int y = stile == Fade1 ? riga + 1 : riga;
        const QRgb c = coloreLinea(stile, y, h, colore).rgb();
        std::fill_n(reinterpret_cast<QRgb*>(img.scanLine(riga)), img.width(), c);
    }
}

// The rings of radius 0 to the width, drawn one after another outward, leave each pixel
// in the colour of the ring through it, the one whose radius is its rounded distance.
void dipingiAnelli(QImage& img, int colore) {
    const int w = img.width();
    const int h = img.height();
    std::vector<QRgb> anelli(static_cast<size_t>(w) + 1);
    for (int r = 0; r <= w; ++r) anelli[static_cast<size_t>(r)] = coloreAnello(r, colore).rgb();
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    for (int y = 0; y < h; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy2 = (y - cy) * (y - cy);
        for (int x = 0; x < w; ++x) {
            const int r = arrotonda(std::sqrt((x - cx) * (x - cx) + dy2));
            if (r <= w) riga[x] = anelli[static_cast<size_t>(r)];
        }
    }
}

void dipingiMattonelle(QImage& img, const QImage& tile) {
    const int w = tile.width();
    const int h = tile.height();
    if (tile.isNull() || w <= 0 || h <= 0) return;
    QPainter p(&img);
    for (int x = 0; x <= img.width(); x += w)
        for (int y = 0; y <= img.height(); y += h) p.drawImage(x, y, tile);
}

// An injected source may stray from [0, 1): keep it there so every draw stays in range.
double estrai(const CasualeSfondo& rnd) {
    const double r = rnd ? rnd() : QRandomGenerator::global()->generateDouble();
    if (!(r >= 0)) return 0;
    return std::min(r, std::nextafter(1.0, 0.0));
}

void disegnaLettera(QPainter& p, QPoint dove, QChar lettera) {
    p.drawText(QRect(dove, QSize(200, 200)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
               QString(lettera));
}

// Letters pressed into the background: a lighter copy one pixel down and right, covered
// by a copy in the colour found at the letter's own corner one pixel further on.
void dipingiMotivo(QImage& img, const QColor& sfondo, const CasualeSfondo& rnd) {
    const QColor base = sfondo.toRgb();
    const QColor chiaro(std::min(base.red() + 20, 255), std::min(base.green() + 20, 255),
                        std::min(base.blue() + 20, 255));
    QFont font(famigliaLettere());
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter p(&img);
    for (int i = 0; i < kLettere; ++i) {
        const QChar lettera(static_cast<char16_t>(arrotonda(25 * estrai(rnd) + 97)));
        const int x = static_cast<int>(estrai(rnd) * img.width());
        const int y = static_cast<int>(estrai(rnd) * img.height());
        font.setPointSize(static_cast<int>(estrai(rnd) * 10) + 6);
        p.setFont(font);
        p.setPen(chiaro);
        disegnaLettera(p, QPoint(x + 1, y + 1), lettera);
        p.setPen(img.pixelColor(x, y));
        disegnaLettera(p, QPoint(x + 2, y + 2), lettera);
    }
}

} // namespace

QString famigliaLettere() {
    static const QString famiglia = QFontDatabase::hasFamily(QStringLiteral("Times New Roman"))
                                        ? QStringLiteral("Times New Roman")
                                        : QStringLiteral("Liberation Serif");
    return famiglia;
}

QColor coloreLinea(int stile, int y, int h, int colore) {
    if (h <= 0) return Qt::black;
    int t = 0;
    if (stile == Fade2) {
        const double meta = h / 2.0;
        const double s = 255.0 / meta;
        t = y <= meta ? arrotonda(y * s) : arrotonda((h - y) * s);
    } else {
        t = arrotonda(y * (255.0 / h));
    }
    t = canale(t);
    const int blu = bluDi(colore);
    return {t, t, blu == -1 ? t : blu};
}

QColor coloreAnello(int r, int colore) {
    const int blu = bluDi(colore);
    if (r < 255) {
        const int t = canale(255 - r);
        return {t, t, blu == -1 ? t : blu};
    }
    return {0, 0, blu == -1 ? 0 : blu};
}

QImage DisegnaSfondo(QSize interno, const ParametriSfondo& parametri, const CasualeSfondo& rnd) {
    if (interno.width() <= 0 || interno.height() <= 0) return {};
    QImage img(interno, QImage::Format_RGB32);
    img.setDotsPerMeterX(kPuntiPerMetro96Dpi);
    img.setDotsPerMeterY(kPuntiPerMetro96Dpi);
    img.fill(parametri.sfondo.rgb());
    switch (parametri.stile) {
    case Fade1:
    case Fade2:
        dipingiRighe(img, parametri.stile, parametri.colore);
        break;
    case Fade3:
        dipingiAnelli(img, parametri.colore);
        break;
    case Tile:
        dipingiMattonelle(img, parametri.mattonella);
        break;
    default:
        break; // the plain background colour shows
    }
    if (parametri.motivo) dipingiMotivo(img, parametri.sfondo, rnd);
    return img;
}

} // namespace verbolario
