#include "ContoAllaRovescia.h"

#include <QMouseEvent>
#include <QPainter>

namespace verbolario {

ContoAllaRovescia::ContoAllaRovescia(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void ContoAllaRovescia::Scandisci(const QString& testo) {
    QString t = testo.size() < 2 ? QStringLiteral("0") + testo : testo;
    t.truncate(2);
    if (t == testo_) return;
    testo_ = t;
    update();
}

void ContoAllaRovescia::setAllarme(bool attivo) {
    if (attivo == allarme_) return;
    allarme_ = attivo;
    update();
}

QSize ContoAllaRovescia::dimensioneCella() const {
    // Digits a little taller than wide, as large as the box allows with a margin.
    const int h = std::max(8, height() * 4 / 5);
    const int w = std::max(6, std::min(h * 5 / 8, (width() - 8) / 2));
    return {w, h};
}

QPoint ContoAllaRovescia::origineCelle() const {
    const QSize c = dimensioneCella();
    return {(width() - 2 * c.width()) / 2, (height() - c.height()) / 2};
}

int ContoAllaRovescia::latoSegno() const {
    return std::max(3, height() / 18);
}

void ContoAllaRovescia::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QSize c = dimensioneCella();
    const QImage& cifre = picLed_.immagine(c);
    const QPoint o = origineCelle();
    for (int i = 0; i < 2; ++i) {
        const QChar ch = testo_.at(i);
        if (!ch.isDigit()) continue;
        p.drawImage(QPoint(o.x() + i * c.width(), o.y()), cifre, PicLed::cella(ch.digitValue(), c));
    }
    p.setPen(QColor(90, 90, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (allarme_) p.fillRect(0, 0, latoSegno(), latoSegno(), QColor(255, 255, 0));
}

void ContoAllaRovescia::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicSinistro();
    if (e->button() == Qt::RightButton) emit clicDestro();
}

} // namespace verbolario
