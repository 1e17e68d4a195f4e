#include "DisegnoCruciverba.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include <array>

namespace verbolario {

namespace {
constexpr int kCelle = 7;
}

DisegnoCruciverba::DisegnoCruciverba(QWidget* parent) : QWidget(parent) {
    setObjectName("CruciPic");
    setCursor(Qt::PointingHandCursor);
    CruciPic_Click();
}

void DisegnoCruciverba::CruciPic_Click() {
    seme_ = QRandomGenerator::global()->generate();
    update();
}

void DisegnoCruciverba::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    CruciPic_Click();
    emit cliccato();
}

void DisegnoCruciverba::paintEvent(QPaintEvent*) {
    // The same seed redraws the same doodle, so a resize does not scribble a new one.
    QRandomGenerator rnd(seme_);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(r, 6, 6);

    double lato = std::min(r.width(), r.height()) * 0.9 / kCelle;
    QPointF o(r.center().x() - lato * kCelle / 2, r.center().y() - lato * kCelle / 2);
    std::array<std::array<QChar, kCelle>, kCelle> griglia{};
    std::string pool = pool_.empty() ? std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ") : pool_;
    int parole = 5 + int(rnd.bounded(3));
    for (int n = 0; n < parole; ++n) {
        bool orizzontale = rnd.bounded(2) == 0;
        int lunghezza = 3 + int(rnd.bounded(kCelle - 2));
        int fisso = int(rnd.bounded(kCelle));
        int inizio = int(rnd.bounded(kCelle - lunghezza + 1));
        for (int k = 0; k < lunghezza; ++k) {
            int x = orizzontale ? inizio + k : fisso, y = orizzontale ? fisso : inizio + k;
            if (griglia[y][x].isNull())
                griglia[y][x] = QChar(pool[rnd.bounded(static_cast<quint32>(pool.size()))]);
        }
    }
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(std::max(5, int(lato * 0.6)));
    p.setFont(f);
    for (int y = 0; y < kCelle; ++y)
        for (int x = 0; x < kCelle; ++x) {
            QRectF c(o.x() + x * lato, o.y() + y * lato, lato, lato);
            bool piena = !griglia[y][x].isNull();
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(piena ? QColor(Qt::white) : QColor(35, 35, 45));
            p.drawRect(c);
            // Not every letter is known: some cells stay open, as in a puzzle being solved.
            if (piena && rnd.bounded(3) != 0) {
                p.setPen(QColor(20, 60, 150));
                p.drawText(c, Qt::AlignCenter, QString(griglia[y][x]));
            }
        }
}

} // namespace verbolario
