#include "frmGraf.h"

#include "Contesto.h"
#include "controls/DisegnaSfondo.h"
#include "mainform/Form1.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace verbolario {

namespace {
const QColor kRosso(255, 0, 0);
const QColor kRiflesso(255, 209, 0);
} // namespace

frmGraf::frmGraf(Form1& f) : QWidget(&f, Qt::Tool), f_(f) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Distribuzione letterale attuale dizionario");
    setFixedSize(kLarghezza, kAltezza);
    setMouseTracking(true);
    tip_ = new QLabel(this);
    tip_->setAutoFillBackground(true);
    tip_->setFrameShape(QFrame::Box);
    tip_->hide();
    const QRect g = f.frameGeometry();
    move(g.left() + (g.width() - kLarghezza) / 2, g.top() + g.height() / 3);
    Disegna();
}

int frmGraf::colonnaSotto(int x) {
    // Columns are 16 pixels wide, each centred on its 8-pixel bar.
    if (x < 24) return -1;
    int i = (x - 24) / 16;
    return i < 26 ? i : -1;
}

void frmGraf::Disegna() {
    perc_ = f_.ctx.statistiche.perc;
    ParametriSfondo par;
    par.stile = f_.superficie.stileSfondo;
    par.colore = f_.superficie.coloreSfondo;
    par.motivo = false;
    par.sfondo = palette().window().color();
    par.mattonella = f_.superficie.mattonella;
    QImage img = DisegnaSfondo(size(), par);
    if (img.isNull() || img.size() != size()) {
        img = QImage(size(), QImage::Format_RGB32);
        img.fill(par.sfondo);
    }
    img = img.convertToFormat(QImage::Format_RGB32);
    disegnaGriglia(img);
    disegnaBarre(img);
    immagine_ = img;
    update();
}

std::vector<frmGraf::EtichettaAsse> frmGraf::etichetteAsse() const {
    std::vector<EtichettaAsse> etichette;
    for (int k = 3; k <= 18; k += 2) {
        const int y = yGriglia(k);
        etichette.push_back({k - 1, y, QRect(0, y - 6, 15, 12)});
    }
    return etichette;
}

namespace {

// Text that reads on any background: black or white, whichever stands out more from the
// pixels under it, ringed by the other one.
void testoLeggibile(QPainter& p, const QImage& sotto, const QRect& r, const QString& testo,
                    int allineamento) {
    int somma = 0, n = 0;
    for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), sotto.height() - 1); ++y)
        for (int x = std::max(r.left(), 0); x <= std::min(r.right(), sotto.width() - 1); ++x) {
            somma += qGray(sotto.pixel(x, y));
            ++n;
        }
    const bool chiaro = n == 0 || somma / n >= 128;
    const QColor colore = chiaro ? Qt::black : Qt::white;
    const QColor alone = chiaro ? Qt::white : Qt::black;
    p.setPen(alone);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) p.drawText(r.translated(dx, dy), allineamento, testo);
    p.setPen(colore);
    p.drawText(r, allineamento, testo);
}

} // namespace

void frmGraf::disegnaGriglia(QImage& img) const {
    QPainter p(&img);
    QFont carattere = p.font();
    carattere.setPixelSize(10);
    p.setFont(carattere);
    // The numbers first, over the bare background they have to stand out from.
    const QImage sfondo = img.copy();
    const int allineamento = Qt::AlignRight | Qt::AlignVCenter;
    for (const EtichettaAsse& e : etichetteAsse())
        testoLeggibile(p, sfondo, e.rettangolo, QString::number(e.percento), allineamento);
    const QRect unita(0, yGriglia(18) - 18, 15, 12);
    testoLeggibile(p, sfondo, unita, QStringLiteral("%"), allineamento);
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int k = 1; k <= 18; ++k) p.drawLine(17, yGriglia(k), 448, yGriglia(k));
}

void frmGraf::disegnaBarre(QImage& img) const {
    const int base = y0();
    QPainter p(&img);
    QFont carattere = p.font();
    carattere.setPixelSize(11);
    carattere.setBold(true);
    p.setFont(carattere);
    for (int i = 0; i < 26; ++i) {
        const int x = xBarra(i);
        p.setPen(Qt::black);
        p.drawText(QRect(x - 4, base, 16, 16), Qt::AlignHCenter | Qt::AlignTop,
                   QString(QChar('A' + i)));
        const int h = perc_[static_cast<size_t>(i)];
        if (h <= 0) continue;
        p.fillRect(QRect(x, base - 5 - h, 8, h), kRosso);
        p.fillRect(QRect(x + 1, base - 5 - h + 1, 2, std::max(h - 2, 0)), kRiflesso);
    }
}

void frmGraf::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, immagine_);
}

void frmGraf::resizeEvent(QResizeEvent*) {
    if (immagine_.size() != size()) Disegna();
}

void frmGraf::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) close();
}

void frmGraf::mouseMoveEvent(QMouseEvent* e) {
    const QPoint q = e->position().toPoint();
    const bool dentro = q.x() > 20 && q.y() > 20 && q.x() < width() - 20 && q.y() < height() - 20;
    const int i = colonnaSotto(q.x());
    if (!dentro || i < 0) {
        tip_->hide();
        return;
    }
    const double valore = perc_[static_cast<size_t>(i)] / 10.0;
    tip_->setText(QLocale(QLocale::Italian).toString(valore, 'f', 1) + " %");
    tip_->adjustSize();
    int x = q.x() + 12, y = q.y() - tip_->height() - 4;
    if (x + tip_->width() > width()) x = q.x() - tip_->width() - 4;
    if (y < 0) y = q.y() + 16;
    tip_->move(x, y);
    tip_->show();
}

void frmGraf::focusInEvent(QFocusEvent* e) {
    raise();
    QWidget::focusInEvent(e);
}

} // namespace verbolario
