#pragma once

#include <QColor>
#include <QObject>
#include <QRegion>
#include <QTimer>

class QWidget;

namespace verbolario {

// Keeps a window's mask cut to the pixels it shows in a colour other than the key. Lives as
// a child of the window and watches it and every widget inside it: whatever repaints,
// resizes, shows or hides restarts a short timer, and when the burst is over the window is
// rendered again and the mask rebuilt, so a status message, a mode switch or a control
// shown later is never cut away. Deleting it leaves the last mask in place.
class ChiaveColore : public QObject {
    Q_OBJECT

public:
    // Long enough to gather the paint events of one change, short enough to go unnoticed.
    static constexpr int kRitardoMs = 80;

    ChiaveColore(QWidget& finestra, QColor chiave);

    // The helper of `finestra`, or null when the window is not keyed.
    static ChiaveColore* di(QWidget& finestra);

    void impostaChiave(QColor chiave);
    QColor chiave() const { return chiave_; }
    // Renders the window and applies the mask now, without waiting for the timer.
    void aggiorna();
    // The mask to apply for what the window shows: never empty, see the source.
    static QRegion mascheraPer(const QRegion& visibile, QSize finestra);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void osserva(QObject* oggetto);
    QRegion controlliInteri() const;

    QWidget& finestra_;
    QColor chiave_;
    QTimer timer_;
    bool rendendo_ = false;
};

} // namespace verbolario
