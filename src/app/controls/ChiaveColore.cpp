#include "ChiaveColore.h"

#include "controls/Tras.h"

#include <QAbstractScrollArea>
#include <QLabel>

#include <QChildEvent>
#include <QEvent>
#include <QImage>
#include <QWidget>
#include <algorithm>

namespace verbolario {

ChiaveColore::ChiaveColore(QWidget& finestra, QColor chiave)
    : QObject(&finestra), finestra_(finestra), chiave_(chiave) {
    setObjectName("ChiaveColore");
    timer_.setSingleShot(true);
    timer_.setInterval(kRitardoMs);
    connect(&timer_, &QTimer::timeout, this, &ChiaveColore::aggiorna);
    osserva(&finestra_);
}

ChiaveColore* ChiaveColore::di(QWidget& finestra) {
    return finestra.findChild<ChiaveColore*>(QString(), Qt::FindDirectChildrenOnly);
}

void ChiaveColore::impostaChiave(QColor chiave) {
    chiave_ = chiave;
    timer_.start();
}

void ChiaveColore::osserva(QObject* oggetto) {
    if (!oggetto->isWidgetType()) return;
    oggetto->removeEventFilter(this); // never twice: each event would be seen twice
    oggetto->installEventFilter(this);
    for (QObject* figlio : oggetto->children()) osserva(figlio);
}

QRegion ChiaveColore::mascheraPer(const QRegion& visibile, QSize finestra) {
    if (!visibile.isEmpty()) return visibile;
    // A window all in the key colour keeps its one-pixel outline. An empty mask would not
    // do: Qt reads it as "no mask" and the whole window would come back opaque, while a
    // window cut away entirely could no longer be seen nor clicked.
    const QRect tutta(QPoint(0, 0), finestra.expandedTo(QSize(1, 1)));
    return QRegion(tutta).subtracted(QRegion(tutta.adjusted(1, 1, -1, -1)));
}

QRegion ChiaveColore::controlliInteri() const {
    // Controls stay whole: button and key faces share the window's colour, and a button
    // with holes in it reads as broken rather than see-through. Labels, and the frames that
    // only hold other controls, are keyed like the background they sit on.
    QRegion r;
    for (QWidget* w : finestra_.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&finestra_) || qobject_cast<QLabel*>(w)) continue;
        const bool contenitore =
            std::any_of(w->children().begin(), w->children().end(), [w](QObject* o) {
                auto* c = qobject_cast<QWidget*>(o);
                return c && !c->isWindow() && c->isVisibleTo(w);
            });
        if (contenitore && !qobject_cast<QAbstractScrollArea*>(w)) continue;
        r += QRect(w->mapTo(&finestra_, QPoint(0, 0)), w->size());
    }
    return r;
}

void ChiaveColore::aggiorna() {
    timer_.stop();
    const QSize dimensioni = finestra_.size();
    if (dimensioni.isEmpty() || !chiave_.isValid()) return;
    QImage immagine(dimensioni, QImage::Format_RGB32);
    immagine.fill(chiave_);
    // The current mask must not clip the rendering: what is cut away now may show
    // something new.
    rendendo_ = true;
    finestra_.render(&immagine, QPoint(), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    rendendo_ = false;
    const QRegion maschera =
        mascheraPer(RegioneSenzaChiave(immagine, chiave_) | controlliInteri(), dimensioni);
    // Equal masks are skipped: the window system's repaint after a new mask comes back
    // here once and stops.
    if (maschera != finestra_.mask()) finestra_.setMask(maschera);
}

bool ChiaveColore::eventFilter(QObject* oggetto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::ChildAdded:
        osserva(static_cast<QChildEvent*>(evento)->child());
        break;
    case QEvent::Paint:
        // The rendering's own paint events describe nothing new.
        if (!rendendo_) timer_.start();
        break;
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        timer_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(oggetto, evento);
}

} // namespace verbolario
