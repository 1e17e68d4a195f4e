#include "ImmagineSplash.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace verbolario {

ImmagineSplash::ImmagineSplash(Tipo tipo, QWidget* parent) : QWidget(parent), tipo_(tipo) {
    setCursor(tipo == Tipo::Icona ? Qt::ArrowCursor : Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize ImmagineSplash::sizeHint() const {
    switch (tipo_) {
    case Tipo::Logo:
        return {132, 96};
    case Tipo::Help:
        return {44, 44};
    case Tipo::Icona:
        return {36, 36};
    }
    return {32, 32};
}

void ImmagineSplash::setBordo(bool b) {
    if (b == bordo_) return;
    bordo_ = b;
    update();
}

void ImmagineSplash::enterEvent(QEnterEvent*) {
    if (tipo_ == Tipo::Icona) return;
    setBordo(true);
    emit puntatoreSopra();
}

void ImmagineSplash::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit cliccata();
}

void ImmagineSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (tipo_) {
    case Tipo::Logo:
        disegnaLogo(p);
        break;
    case Tipo::Help:
        disegnaHelp(p);
        break;
    case Tipo::Icona:
        disegnaIcona(p);
        break;
    }
    if (bordo_) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(palette().windowText().color(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

namespace {
// A letter tile as on a word-game board.
void tessera(QPainter& p, QRectF r, QChar lettera, QColor fondo) {
    p.setPen(QPen(fondo.darker(160), 1.2));
    p.setBrush(fondo);
    p.drawRoundedRect(r, 4, 4);
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(r.height() * 0.7));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString(lettera));
}
} // namespace

void ImmagineSplash::disegnaLogo(QPainter& p) const {
    // A large V of tiles with the crossing word "ERBO" beside it.
    const QColor blu(30, 70, 160), rosso(190, 40, 40);
    tessera(p, QRectF(6, 8, 34, 34), 'V', rosso);
    tessera(p, QRectF(24, 50, 34, 34), 'V', rosso);
    const QString resto = "ERBO";
    for (int i = 0; i < resto.size(); ++i)
        tessera(p, QRectF(44 + i * 21, 12, 19, 19), resto[i], blu);
    const QString fine = "LARIO";
    for (int i = 0; i < fine.size(); ++i)
        tessera(p, QRectF(62 + i * 14, 62, 13, 13), fine[i], blu.lighter(130));
}

void ImmagineSplash::disegnaHelp(QPainter& p) const {
    // An open book with a question mark.
    const QRectF r = QRectF(rect()).adjusted(5, 9, -5, -7);
    QPainterPath libro;
    libro.moveTo(r.center().x(), r.top() + 3);
    libro.quadTo(r.left() + r.width() / 4, r.top() - 3, r.left(), r.top() + 2);
    libro.lineTo(r.left(), r.bottom());
    libro.quadTo(r.left() + r.width() / 4, r.bottom() - 5, r.center().x(), r.bottom());
    libro.quadTo(r.right() - r.width() / 4, r.bottom() - 5, r.right(), r.bottom());
    libro.lineTo(r.right(), r.top() + 2);
    libro.quadTo(r.right() - r.width() / 4, r.top() - 3, r.center().x(), r.top() + 3);
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(250, 240, 200));
    p.drawPath(libro);
    p.drawLine(QPointF(r.center().x(), r.top() + 3), QPointF(r.center().x(), r.bottom()));
    QFont f = p.font();
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 70, 160));
    p.drawText(QRectF(r.left(), r.top(), r.width() / 2, r.height()), Qt::AlignCenter, "?");
}

void ImmagineSplash::disegnaIcona(QPainter& p) const {
    tessera(p, QRectF(3, 3, 30, 30), 'V', QColor(190, 40, 40));
}

} // namespace verbolario
