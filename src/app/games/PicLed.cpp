#include "PicLed.h"

#include <QPainter>
#include <QPolygonF>

#include <array>

namespace verbolario {

namespace {

// Segments a b c d e f g of each digit, bit 0 = a.
constexpr std::array<unsigned, 10> kSegmenti = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A segment from p to q, s thick, with pointed ends.
QPolygonF segmento(QPointF p, QPointF q, double s) {
    const bool orizzontale = p.y() == q.y();
    const double h = s / 2;
    if (orizzontale)
        return QPolygonF({p,
                          {p.x() + h, p.y() - h},
                          {q.x() - h, q.y() - h},
                          q,
                          {q.x() - h, q.y() + h},
                          {p.x() + h, p.y() + h}});
    return QPolygonF({p,
                      {p.x() + h, p.y() + h},
                      {q.x() + h, q.y() - h},
                      q,
                      {q.x() - h, q.y() - h},
                      {p.x() - h, p.y() + h}});
}

} // namespace

const QImage& PicLed::immagine(QSize cella) {
    const QSize totale(cella.width() * 10, cella.height());
    if (immagine_.size() == totale) return immagine_;
    immagine_ = QImage(totale, QImage::Format_RGB32);
    immagine_.fill(Qt::black);
    QPainter p(&immagine_);
    for (int d = 0; d < 10; ++d) disegnaCifra(p, PicLed::cella(d, cella), d);
    return immagine_;
}

void PicLed::disegnaCifra(QPainter& p, const QRectF& r, int cifra) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::black);
    const double s = std::max(2.0, r.width() * 0.16); // thickness
    const double gap = s * 0.18;
    const double x0 = r.left() + r.width() * 0.14 + s / 2,
                 x1 = r.right() - r.width() * 0.14 - s / 2;
    const double y0 = r.top() + r.height() * 0.08 + s / 2,
                 y1 = r.bottom() - r.height() * 0.08 - s / 2;
    const double ym = (y0 + y1) / 2;
    const std::array<QPolygonF, 7> forme = {
        segmento({x0 + gap, y0}, {x1 - gap, y0}, s), // a
        segmento({x1, y0 + gap}, {x1, ym - gap}, s), // b
        segmento({x1, ym + gap}, {x1, y1 - gap}, s), // c
        segmento({x0 + gap, y1}, {x1 - gap, y1}, s), // d
        segmento({x0, ym + gap}, {x0, y1 - gap}, s), // e
        segmento({x0, y0 + gap}, {x0, ym - gap}, s), // f
        segmento({x0 + gap, ym}, {x1 - gap, ym}, s), // g
    };
    const unsigned accesi = cifra >= 0 && cifra <= 9 ? kSegmenti[static_cast<size_t>(cifra)] : 0;
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < forme.size(); ++i) {
        p.setBrush((accesi >> i) & 1u ? accesa() : QColor(64, 8, 6));
        p.drawPolygon(forme[i]);
    }
    p.restore();
}

} // namespace verbolario
