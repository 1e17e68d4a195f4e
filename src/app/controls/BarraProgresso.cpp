#include "controls/BarraProgresso.h"

#include "controls/Colori.h"

#include <QPainter>

#include <algorithm>

namespace verbolario {

BarraProgresso::BarraProgresso(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    preparaSuperficie();
}

void BarraProgresso::preparaSuperficie() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixel(std::max(1, arrotonda(width() * dpr)),
                      std::max(1, arrotonda(height() * dpr)));
    m_superficie = QImage(pixel, QImage::Format_RGB32);
    m_superficie.setDevicePixelRatio(dpr);
    m_superficie.fill(palette().color(QPalette::Button));
}

void BarraProgresso::mostra() {
    if (isVisible()) repaint();
}

void BarraProgresso::pulisci() {
    preparaSuperficie();
    m_superficie.fill(palette().color(QPalette::Button));
    mostra();
}

void BarraProgresso::BarDraw(int64_t posizione, int percentuale) {
    disegna(posizione, QString::number(percentuale) + QLatin1Char('%'));
}

void BarraProgresso::disegna(int64_t posizione, const QString& testo) {
    preparaSuperficie();
    m_superficie.fill(palette().color(QPalette::Button));
    const QColor inchiostro = palette().color(QPalette::ButtonText);
    QPainter p(&m_superficie);
    p.setFont(font());
    p.setPen(inchiostro);
    const QRect tutto(0, 0, width(), height());
    p.drawText(tutto, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, testo);
    if (m_scala > 0 && posizione > 0) {
        const double frazione = std::min(1.0, static_cast<double>(posizione) / m_scala);
        // Not-xor with black inverts whatever lies under the bar, text and background alike,
        // whatever colours the palette gives them.
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.fillRect(QRectF(0, 0, frazione * width(), height()), Qt::black);
    }
    p.end();
    mostra();
}

void BarraProgresso::paintEvent(QPaintEvent*) {
    preparaSuperficie();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_superficie);
}

void BarraProgresso::resizeEvent(QResizeEvent*) {
    preparaSuperficie();
}

} // namespace verbolario
