#include "PannelloParole.h"

#include "games/FontArial.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace verbolario {

PannelloParole::PannelloParole(QWidget* parent) : QWidget(parent) {
    for (size_t i = 0; i < Label1.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1_%1").arg(i));
        l->setAccessibleName(QStringLiteral("Parola %1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setCursor(Qt::PointingHandCursor);
        QFont f = fontArial(16, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        l->setFont(f);
        l->installEventFilter(this);
        Label1[i] = l;
    }
}

void PannelloParole::svuota() {
    for (QLabel* l : Label1) l->clear();
}

void PannelloParole::impostaColore(const QColor& colore) {
    for (QLabel* l : Label1) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colore);
        l->setPalette(p);
    }
}

void PannelloParole::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sfumatura(0, 0, width() * 0.3, height());
    sfumatura.setColorAt(0, QColor(250, 252, 255));
    sfumatura.setColorAt(0.55, QColor(214, 228, 248));
    sfumatura.setColorAt(1, QColor(170, 196, 236));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double raggio = std::min(width(), height()) / 18.0;
    p.setPen(QPen(QColor(96, 120, 168), 1));
    p.setBrush(sfumatura);
    p.drawRoundedRect(r, raggio, raggio);
    // A faint rule between the rows keeps the words apart on a big window.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    for (size_t i = 1; i < Label1.size(); ++i) {
        const QRect a = Label1[i - 1]->geometry(), b = Label1[i]->geometry();
        const int y = (a.bottom() + b.top()) / 2;
        p.drawLine(QPointF(a.left() + a.width() * 0.15, y),
                   QPointF(a.right() - a.width() * 0.15, y));
    }
}

bool PannelloParole::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (size_t i = 0; i < Label1.size(); ++i)
            if (o == Label1[i]) emit parolaCliccata(static_cast<int>(i));
    }
    return QWidget::eventFilter(o, e);
}

} // namespace verbolario
