#include "EtichettaLettere.h"

#include "controls/Colori.h"
#include "games/FontArial.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace verbolario {

EtichettaLettere::EtichettaLettere(QWidget* parent) : QLabel(parent) {
    setObjectName("Lblpar");
    setAccessibleName("Lettere estratte");
    setToolTip("Lettere estratte: doppio clic per una nuova partita");
    setFont(fontArial(14, true));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setIndent(6);
}

void EtichettaLettere::impostaColore(uint32_t bgr) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, coloreDaBgr(bgr, p));
    setPalette(p);
}

namespace {

// The letters split after the middle blank, the first line holding the extra letter.
QStringList dueRighe(const QString& t) {
    const qsizetype lettere = (t.size() + 1) / 2;
    const qsizetype taglio = 2 * ((lettere + 1) / 2);
    return {t.left(taglio).trimmed(), t.mid(taglio).trimmed()};
}

} // namespace

EtichettaLettere::Disposizione EtichettaLettere::disposizione() const {
    const QString t = text().trimmed();
    const QRect r = contentsRect().adjusted(indent(), 0, -indent(), 0);
    Disposizione migliore{font(), {t}};
    for (const QStringList& righe : {QStringList{t}, dueRighe(t)}) {
        QFont f = font();
        for (; f.pointSizeF() > 5; f.setPointSizeF(f.pointSizeF() - 0.5)) {
            const QFontMetrics m(f);
            int larghezza = 0;
            for (const QString& riga : righe)
                larghezza = std::max(larghezza, m.horizontalAdvance(riga));
            if (larghezza <= r.width() && m.height() * righe.size() <= r.height()) break;
        }
        if (righe.size() == 1 || f.pointSizeF() > migliore.font.pointSizeF()) migliore = {f, righe};
    }
    return migliore;
}

void EtichettaLettere::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const Disposizione d = disposizione();
    p.setFont(d.font);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect().adjusted(indent(), 0, -indent(), 0), Qt::AlignVCenter | Qt::AlignLeft,
               d.righe.join('\n'));
}

void EtichettaLettere::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit doppioClic();
    QLabel::mouseDoubleClickEvent(e);
}

} // namespace verbolario
