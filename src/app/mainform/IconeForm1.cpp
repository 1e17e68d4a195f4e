#include "IconeForm1.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace verbolario::icone {

namespace {
QPixmap tela(int lato) {
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    return pm;
}

// The picture drawn for every size a button may ask for as the window grows: an icon
// never draws a picture larger than its largest one.
QIcon aOgniMisura(QPixmap (*disegna)(int lato)) {
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 96, 128}) icona.addPixmap(disegna(lato));
    return icona;
}

QPixmap disegnaAvvio(int lato) {
    // A green disc with a white arrow: the search starts.
    QPixmap pm = tela(lato);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    double s = lato / 32.0;
    QRadialGradient luce(QPointF(12 * s, 10 * s), 18 * s);
    luce.setColorAt(0, QColor(120, 215, 120));
    luce.setColorAt(1, QColor(25, 130, 40));
    p.setPen(QPen(QColor(15, 80, 25), 1.5 * s));
    p.setBrush(luce);
    p.drawEllipse(QPointF(16 * s, 16 * s), 14 * s, 14 * s);
    QPainterPath freccia;
    freccia.moveTo(12 * s, 9 * s);
    freccia.lineTo(24 * s, 16 * s);
    freccia.lineTo(12 * s, 23 * s);
    freccia.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(freccia);
    return pm;
}

QPixmap disegnaStop(int lato) {
    // A red octagon with a white bar: stop the running search.
    QPixmap pm = tela(lato);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    double s = lato / 32.0;
    QPolygonF ottagono;
    for (int i = 0; i < 8; ++i) {
        double a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
        ottagono << QPointF(16 * s + 13 * s * std::cos(a), 16 * s + 13 * s * std::sin(a));
    }
    p.setPen(QPen(QColor(120, 0, 0), 1.5 * s));
    p.setBrush(QColor(210, 30, 30));
    p.drawPolygon(ottagono);
    p.fillRect(QRectF(9 * s, 14 * s, 14 * s, 4 * s), Qt::white);
    return pm;
}

} // namespace

QIcon avvio() {
    return aOgniMisura(disegnaAvvio);
}

QIcon stop() {
    return aOgniMisura(disegnaStop);
}

} // namespace verbolario::icone
