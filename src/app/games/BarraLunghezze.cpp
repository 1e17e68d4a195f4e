#include "games/BarraLunghezze.h"

#include "controls/Colori.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace verbolario {

BarraLunghezze::BarraLunghezze(QWidget* genitore) : QWidget(genitore) {
    setObjectName("PicSize");
    setAccessibleName("Lunghezza della parola");
    setMouseTracking(true);
    setCursor(Qt::SizeHorCursor);
}

void BarraLunghezze::imposta(const IntervalloLunghezze& r) {
    r_ = r;
    update();
}

int64_t BarraLunghezze::unitaA(double x) const {
    const double dentro = std::clamp(x, 0.0, std::max(0.0, width() - 1.0));
    return IntervalloLunghezze::unita(dentro, width(), r_.scala);
}

void BarraLunghezze::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Mid));
    if (r_.scala > 0) {
        const double passo = double(width()) / double(r_.scala);
        for (const IntervalloLunghezze::Banda& b : r_.bande()) {
            const int da = std::clamp(qRound(b.da * passo), 0, width());
            const int a = std::clamp(qRound(b.a * passo), 0, width());
            if (a > da) p.fillRect(QRect(da, 0, a - da, height()), coloreDaBgr(b.colore));
        }
    }
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BarraLunghezze::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    premuta_ = true;
    ultima_ = unitaA(e->position().x());
    trappola_.confina(*this);
}

void BarraLunghezze::trascinaFinoA(int64_t x) {
    // A marker moves one unit at a time after the pointer: a quick drag, whose moves arrive
    // several units apart, is taken unit by unit from where the last step ended (a step on
    // the same unit again changes nothing).
    bool mosso = false;
    const int64_t passo = x >= ultima_ ? 1 : -1;
    for (int64_t u = ultima_;; u += passo) {
        mosso = r_.trascina(u) || mosso;
        if (u == x) break;
    }
    ultima_ = x;
    if (mosso) {
        update();
        emit intervalloCambiato();
    }
}

void BarraLunghezze::mouseMoveEvent(QMouseEvent* e) {
    const int64_t x = unitaA(e->position().x());
    const QString suggerimento = QString::fromLatin1(r_.suggerimento(x));
    if (toolTip() != suggerimento) {
        setToolTip(suggerimento);
        if (QToolTip::isVisible())
            QToolTip::showText(e->globalPosition().toPoint(), suggerimento, this);
    }
    if (!(e->buttons() & Qt::LeftButton)) {
        // The release went elsewhere: the pointer must not stay held.
        trappola_.CurFree();
        return;
    }
    if (premuta_) trascinaFinoA(x);
}

void BarraLunghezze::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !premuta_) return;
    premuta_ = false;
    trappola_.CurFree();
    emit rilasciata();
}

void BarraLunghezze::hideEvent(QHideEvent* e) {
    premuta_ = false;
    trappola_.CurFree();
    QWidget::hideEvent(e);
}

} // namespace verbolario
