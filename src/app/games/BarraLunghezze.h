#pragma once

#include "controls/CurTrap.h"
#include "games/IntervalloLunghezze.h"

#include <QWidget>

namespace verbolario {

// The word-length bar of the guessing game (PicSize): yellow below the range, green over it,
// red above it, a blue marker at each end. Dragging a marker with the left button moves that
// end of the range; meanwhile the pointer is held inside the bar (see CurTrap), and where the
// platform cannot hold it the pointer's position is read as if it were.
class BarraLunghezze final : public QWidget {
    Q_OBJECT
public:
    explicit BarraLunghezze(QWidget* genitore);

    // DisegnaIntervallo: shows the range.
    void imposta(const IntervalloLunghezze& r);
    const IntervalloLunghezze& intervallo() const { return r_; }
    CurTrap& trappola() { return trappola_; }

    // The unit under a pointer at x pixels, the pointer kept within the bar.
    int64_t unitaA(double x) const;

signals:
    // A marker moved during a drag.
    void intervalloCambiato();
    // The button was released after a press on the bar.
    void rilasciata();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void trascinaFinoA(int64_t x);

    IntervalloLunghezze r_;
    CurTrap trappola_;
    bool premuta_ = false;
    int64_t ultima_ = 0; // the unit of the last drag step
};

} // namespace verbolario
