#include "controls/DisegnaMessaggio.h"

#include "controls/Colori.h"

#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace verbolario {

namespace {

// DrawText rectangles hold right and bottom outside; an inverted one draws nothing.
QRect daBordi(int left, int top, int right, int bottom) {
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

void passata(QPainter& p, const QRect& r, const QString& testo, int allineamento,
             const QColor& colore) {
    if (r.isEmpty()) return;
    p.save();
    p.setClipRect(r, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setPen(colore);
    p.drawText(r, allineamento, testo);
    p.restore();
}

} // namespace

QFont FontMessaggi(double fattoreScala) {
    static const QString famiglia = QFontDatabase::hasFamily(QStringLiteral("Arial"))
                                        ? QStringLiteral("Arial")
                                        : QStringLiteral("Liberation Sans");
    QFont f(famiglia);
    const double punti = 11 * fattoreScala;
    f.setPointSizeF(punti > 0 && punti < 1000 ? punti : 11);
    return f;
}

QRect RettangoloOmbra(QSizeF interno, double k) {
    const double w = interno.width();
    const double h = interno.height();
    return daBordi(11, arrotonda(h - arrotonda(55 * k)), arrotonda(w - 10), arrotonda(h - 2));
}

QRect RettangoloTesto(QSizeF interno, double k) {
    const double w = interno.width();
    const double h = interno.height();
    return daBordi(10, arrotonda(h - arrotonda(56 * k)), arrotonda(w - 11), arrotonda(h - 3));
}

void DisegnaMessaggio(QPainter& p, QSizeF interno, double fattoreScala, const QString& testo,
                      unsigned formato, const QColor& colore, const QFont& font) {
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const int allineamento = Qt::AlignTop | Qt::TextWordWrap |
                             ((formato & kMessaggioCentrato) ? Qt::AlignHCenter : Qt::AlignLeft);
    p.save();
    p.setFont(font);
    p.setBackgroundMode(Qt::TransparentMode);
    passata(p, RettangoloOmbra(interno, fattoreScala), righe, allineamento, Qt::black);
    passata(p, RettangoloTesto(interno, fattoreScala), righe, allineamento, colore);
    p.restore();
}

} // namespace verbolario
