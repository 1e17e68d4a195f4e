#include "games/DisegnoGufo.h"

#include "controls/RitagliaFinestra.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <initializer_list>

namespace verbolario {

namespace {

const QColor kContorno(46, 26, 12);
const QColor kPiume(139, 90, 43);
const QColor kPiumeScure(98, 60, 28);
const QColor kPetto(222, 186, 140);
const QColor kDisco(242, 224, 188);
const QColor kIride(244, 182, 12);
const QColor kBecco(226, 160, 36);
const QColor kRamo(104, 66, 36);
const QColor kFoglia(78, 140, 52);
const QColor kFogliaScura(44, 92, 30);

void ellisse(QPainter& p, QPointF centro, double rx, double ry, const QBrush& pennello) {
    p.setBrush(pennello);
    p.drawEllipse(centro, rx, ry);
}

QBrush sfumato(QPointF centro, double raggio, const QColor& chiaro, const QColor& scuro) {
    QRadialGradient g(centro, raggio);
    g.setColorAt(0, chiaro);
    g.setColorAt(1, scuro);
    return g;
}

// Adds a closed polygon to the path, as one more subpath.
void poligono(QPainterPath& percorso, std::initializer_list<QPointF> vertici) {
    percorso.addPolygon(QPolygonF(vertici));
    percorso.closeSubpath();
}

void foglie(QPainter& p) {
    p.setPen(QPen(kFogliaScura, 1.2));
    ellisse(p, {27, 101}, 16, 12, sfumato({24, 97}, 16, kFoglia.lighter(125), kFoglia));
    ellisse(p, {93, 95}, 17, 12, sfumato({90, 91}, 17, kFoglia.lighter(125), kFoglia));
    p.drawLine(QPointF(14, 97), QPointF(38, 106));
    p.drawLine(QPointF(78, 91), QPointF(107, 99));
}

void ramoECoda(QPainter& p) {
    p.setPen(QPen(kRamo, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 94), QPointF(108, 91));
    p.setPen(QPen(kRamo.lighter(140), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 92), QPointF(104, 89.5));
    QPainterPath coda;
    poligono(coda, {{44, 94}, {68, 94}, {61, 104}, {52, 104}});
    p.setPen(QPen(kContorno, 1));
    p.setBrush(kPiumeScure);
    p.drawPath(coda);
}

void corpo(QPainter& p) {
    p.setPen(QPen(kContorno, 1.5));
    ellisse(p, {51, 68}, 49, 15, sfumato({51, 64}, 50, kPiume.lighter(115), kPiumeScure));
    // Folded wings, with rows of feathers.
    p.setPen(QPen(kContorno, 1));
    ellisse(p, {19, 69}, 18, 10, kPiumeScure);
    ellisse(p, {86, 69}, 15, 10, kPiumeScure);
    p.setPen(QPen(kPiume.lighter(130), 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.drawArc(QRectF(6 + i * 7, 66, 8, 6), 180 * 16, 180 * 16);
        p.drawArc(QRectF(77 + i * 5, 66, 7, 6), 180 * 16, 180 * 16);
    }
    // The breast, with its little V marks.
    p.setPen(Qt::NoPen);
    ellisse(p, {55, 71}, 20, 11, sfumato({55, 68}, 20, kPetto.lighter(110), kPetto));
    p.setPen(QPen(kPiumeScure, 1.1));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4 - (r == 2 ? 1 : 0); ++c) {
            const double x = 44 + c * 7 + (r % 2) * 3.5, y = 64 + r * 5;
            p.drawLine(QPointF(x, y), QPointF(x + 2, y + 2));
            p.drawLine(QPointF(x + 2, y + 2), QPointF(x + 4, y));
        }
    // Claws on the branch.
    p.setPen(QPen(kBecco.darker(130), 2, Qt::SolidLine, Qt::RoundCap));
    for (double x : {44.0, 47.5, 51.0, 59.0, 62.5, 66.0})
        p.drawLine(QPointF(x, 85), QPointF(x, 90));
}

void testa(QPainter& p) {
    p.setPen(QPen(kContorno, 1.5));
    QPainterPath ciuffi;
    poligono(ciuffi, {{12, 2}, {26, 3}, {40, 20}, {26, 24}});
    poligono(ciuffi, {{80, 4}, {66, 4}, {58, 20}, {78, 22}});
    p.setBrush(kPiumeScure);
    p.drawPath(ciuffi);
    ellisse(p, {55, 36}, 31, 18, sfumato({55, 30}, 32, kPiume.lighter(120), kPiume));
    // Facial discs, eyes and beak.
    for (double x : {42.5, 67.5}) {
        p.setPen(QPen(kPiumeScure, 1.2));
        ellisse(p, {x, 36}, 12, 12, sfumato({x, 36}, 12, Qt::white, kDisco));
        p.setPen(QPen(kContorno, 1));
        ellisse(p, {x, 36}, 7.5, 7.5, sfumato({x - 1.5, 34.5}, 8, kIride.lighter(130), kIride));
        p.setPen(Qt::NoPen);
        ellisse(p, {x, 36}, 4, 4, QColor(17, 17, 17));
        ellisse(p, {x - 2, 34}, 1.6, 1.6, Qt::white);
    }
    QPainterPath becco;
    poligono(becco, {{52, 42}, {59, 42}, {55.5, 51}});
    p.setPen(QPen(kContorno, 1));
    p.setBrush(kBecco);
    p.drawPath(becco);
}

} // namespace

void DisegnaGufo(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The outline's own colour shows wherever no shape reaches the edge: a dark contour.
    QPainterPath sagoma;
    sagoma.addRegion(sagomaGufo());
    p.fillPath(sagoma, kContorno);
    foglie(p);
    ramoECoda(p);
    corpo(p);
    testa(p);
    p.restore();
}

} // namespace verbolario
