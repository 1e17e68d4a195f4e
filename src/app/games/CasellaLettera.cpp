#include "games/CasellaLettera.h"

#include <QKeyEvent>
#include <QPainter>

namespace verbolario {

namespace {

// A TAB (an entry's comment follows it) cannot be seen: a middle dot stands for it.
QString visibile(const QString& t) {
    return t == "\t" ? QStringLiteral("\u00B7") : t;
}

} // namespace

CasellaLettera::CasellaLettera(int indice, QWidget* genitore) : QWidget(genitore), indice_(indice) {
    setObjectName(QStringLiteral("T1_%1").arg(indice));
    setAccessibleName(QStringLiteral("Lettera %1").arg(indice + 1));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(18);
    setFont(f);
}

void CasellaLettera::imposta(const QString& testo, const QColor& sfondo) {
    if (testo == testo_ && sfondo == sfondo_) return;
    testo_ = testo;
    sfondo_ = sfondo;
    setAccessibleDescription(testo == "_" ? QStringLiteral("da indovinare") : testo);
    update();
}

void CasellaLettera::setPixelCarattere(int pixel) {
    QFont f = font();
    f.setPixelSize(std::max(1, pixel));
    setFont(f);
}

void CasellaLettera::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), sfondo_);
    p.setPen(QColor(112, 112, 112));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QString t = visibile(testo_);
    QColor inchiostro = Qt::black;
    if (hasFocus()) {
        // The character is selected: typing replaces it.
        const QFontMetrics fm(font());
        const int larga = std::min(width() - 4, std::max(fm.horizontalAdvance(t) + 2, width() / 2));
        const int alta = std::min(height() - 4, fm.height());
        p.fillRect(QRect((width() - larga) / 2, (height() - alta) / 2, larga, alta),
                   palette().color(QPalette::Active, QPalette::Highlight));
        inchiostro = palette().color(QPalette::Active, QPalette::HighlightedText);
    }
    p.setPen(inchiostro);
    p.drawText(rect(), Qt::AlignCenter, t);
}

void CasellaLettera::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        QWidget::keyPressEvent(e);
        return;
    default:
        break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(e);
        return;
    }
    emit tasto(indice_, e->key(), e->text());
    e->accept();
}

void CasellaLettera::mousePressEvent(QMouseEvent* e) {
    emit premuta(indice_);
    e->accept();
}

void CasellaLettera::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void CasellaLettera::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

} // namespace verbolario
