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
} // namespace

QIcon avvio(int lato) {
    // A magnifying glass over a green "go" arrow: start the search.
    QPixmap pm = tela(lato);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    double s = lato / 32.0;
    QPainterPath freccia;
    freccia.moveTo(9 * s, 6 * s);
    freccia.lineTo(27 * s, 16 * s);
    freccia.lineTo(9 * s, 26 * s);
    freccia.closeSubpath();
    p.setPen(QPen(QColor(20, 90, 20), 1.5 * s));
    p.setBrush(QColor(60, 170, 60));
    p.drawPath(freccia);
    p.setPen(QPen(QColor(30, 30, 120), 2.2 * s));
    p.setBrush(QColor(200, 225, 255, 170));
    p.drawEllipse(QPointF(10 * s, 10 * s), 6 * s, 6 * s);
    p.drawLine(QPointF(14.5 * s, 14.5 * s), QPointF(19 * s, 19 * s));
    return QIcon(pm);
}

QIcon stop(int lato) {
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
    return QIcon(pm);
}

} // namespace verbolario::icone
