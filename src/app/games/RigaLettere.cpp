#include "games/RigaLettere.h"

#include "games/CasellaLettera.h"
#include "games/RigaCaselle.h"

#include <QPainter>

namespace verbolario {

namespace {

// The frame: a green line just outside the boxes, a black one outside that.
constexpr int kCornice = 2;

} // namespace

RigaLettere::RigaLettere(QWidget* finestra) : QWidget(finestra) {
    setObjectName("T1");
    setAccessibleName("Parola da indovinare");
    hide();
}

CasellaLettera* RigaLettere::casella(int j) const {
    return j >= 0 && j < numero() ? caselle_[static_cast<size_t>(j)] : nullptr;
}

void RigaLettere::svuota() {
    hide();
    for (CasellaLettera* c : caselle_) {
        c->hide();
        c->deleteLater();
    }
    caselle_.clear();
}

void RigaLettere::crea(int n) {
    svuota();
    caselle_.reserve(static_cast<size_t>(std::max(0, n)));
    for (int j = 0; j < n; ++j) {
        auto* c = new CasellaLettera(j, this);
        caselle_.push_back(c);
        emit creata(c);
    }
    disponi();
    for (CasellaLettera* c : caselle_) c->show();
    show();
}

void RigaLettere::disponi() {
    QWidget* finestra = parentWidget();
    if (!finestra || caselle_.empty()) return;
    const QSize dentro = finestra->contentsRect().size();
    const RigaCaselle riga = RigaCaselle::disponi(numero(), dentro.width(), dentro.height());
    const RigaCaselle::Riquadro& primo = riga.caselle.front();
    const RigaCaselle::Riquadro& ultimo = riga.caselle.back();
    const int larga = ultimo.x + ultimo.larghezza - primo.x;
    setGeometry(primo.x - kCornice, primo.y - kCornice, larga + 2 * kCornice,
                primo.altezza + 2 * kCornice);
    for (size_t j = 0; j < caselle_.size(); ++j) {
        const RigaCaselle::Riquadro& r = riga.caselle[j];
        caselle_[j]->setGeometry(r.x - primo.x + kCornice, kCornice, r.larghezza, r.altezza);
        caselle_[j]->setPixelCarattere(riga.pixelCarattere);
    }
}

// DrawCube: the frame is the row's own drawing, so no message or repaint can wipe it.
void RigaLettere::paintEvent(QPaintEvent*) {
    if (caselle_.empty()) return;
    QPainter p(this);
    const int larga = width() - 2 * kCornice, alta = height() - 2 * kCornice;
    p.setPen(QColor(0, 255, 0));
    p.drawRect(1, 1, larga + 1, alta + 1);
    p.setPen(Qt::black);
    p.drawRect(0, 0, larga + 3, alta + 3);
}

} // namespace verbolario
