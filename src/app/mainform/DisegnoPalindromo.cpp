#include "DisegnoPalindromo.h"

#include <QPainter>
#include <QPainterPath>

namespace verbolario {

namespace {

void freccia(QPainter& p, QPointF da, QPointF a, double punta) {
    p.drawLine(da, a);
    double verso = a.x() > da.x() ? -1 : 1;
    p.drawLine(a, a + QPointF(verso * punta, -punta * 0.6));
    p.drawLine(a, a + QPointF(verso * punta, punta * 0.6));
}

} // namespace

DisegnoPalindromo::DisegnoPalindromo(QWidget* parent) : QWidget(parent) {
    setObjectName("ImgPal");
}

void DisegnoPalindromo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(90, 70, 40), 1.5));
    p.setBrush(QColor(252, 246, 228));
    p.drawRoundedRect(r, 10, 10);

    const QString parola = "RADAR";
    double cella = r.width() / (parola.size() + 1.0);
    double y = r.top() + r.height() * 0.42;
    QFont f("Times New Roman");
    f.setBold(true);
    f.setPixelSize(std::max(6, int(cella * 0.8)));
    p.setFont(f);
    for (int i = 0; i < parola.size(); ++i) {
        // Letters paired around the centre share a colour, so the symmetry shows.
        int dist = std::abs(i - int(parola.size() / 2));
        static const QColor colori[] = {QColor(200, 40, 40), QColor(30, 110, 190),
                                        QColor(30, 150, 60)};
        QRectF c(r.left() + cella * (i + 0.5), y - cella / 2, cella, cella);
        p.setPen(QPen(colori[dist % 3], 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(c.adjusted(2, 2, -2, -2));
        p.drawText(c, Qt::AlignCenter, parola.mid(i, 1));
    }
    double punta = std::max(3.0, cella * 0.25);
    p.setPen(QPen(QColor(90, 70, 40), 2));
    freccia(p, QPointF(r.left() + cella * 0.6, y - cella * 0.95),
            QPointF(r.right() - cella * 0.6, y - cella * 0.95), punta);
    freccia(p, QPointF(r.right() - cella * 0.6, y + cella * 0.95),
            QPointF(r.left() + cella * 0.6, y + cella * 0.95), punta);

    QFont piccolo("Arial");
    piccolo.setPixelSize(std::max(6, int(r.height() * 0.09)));
    piccolo.setItalic(true);
    p.setFont(piccolo);
    p.setPen(QColor(90, 70, 40));
    p.drawText(QRectF(r.left(), r.bottom() - r.height() * 0.3, r.width(), r.height() * 0.22),
               Qt::AlignCenter, "ANNA  \u00B7  OSSO  \u00B7  ALA");
}

} // namespace verbolario
