#pragma once

#include <QWidget>

#include <array>

class QRadioButton;
class QPushButton;

namespace verbolario {

class SuperficieForm1;

// The mode column Frame3: the ten mode buttons Option1 and the exit button Command2. It has
// no colour of its own: it shows the part of the window's background that lies under it.
// Moving the pointer over a mode button that is not the selected one underlines it in blue;
// moving it onto the column's free surface clears every highlight, and the exit button,
// while the pointer is on it, takes the colour of the surface beside it.
class ColonnaModi final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kModi = 10;
    static const std::array<const char*, kModi> kDidascalie;

    ColonnaModi(QWidget* parent, const SuperficieForm1& superficie, const bool& sfondoTrasparente);

    QRadioButton* Option1(int i) const { return opzioni_[static_cast<size_t>(i)]; }
    QPushButton* Command2() const { return esci_; }
    int ultimoEvidenziato() const { return ultimoEvidenziato_; }

    // Option1_MouseMove.
    void evidenzia(int i);
    // Frame3_MouseMove: every highlight off, exit button back to its face colour.
    void spegniEvidenziazione();
    // Option1's normal look (step 3 of the mode switch).
    void aspettoNormale(int i);
    // Command2_MouseMove.
    void mimetizzaUscita();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    const SuperficieForm1& superficie_;
    const bool& sfondoTrasparente_;
    std::array<QRadioButton*, kModi> opzioni_{};
    QPushButton* esci_ = nullptr;
    int ultimoEvidenziato_ = 100;
};

} // namespace verbolario
