#pragma once

#include <QImage>
#include <QWidget>

#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

class QLabel;

namespace verbolario {

class Form1;

// The letter distribution of the current dictionary: one bar per letter A to Z, 1 pixel per
// mille, over the main window's background style. A left click closes it.
class frmGraf final : public QWidget {
    Q_OBJECT
public:
    explicit frmGraf(Form1& f);

    static constexpr int kLarghezza = 463, kAltezza = 211; // inner size of 7035 x 3570 twips
    // Left edge of letter i's bar (28, 44, ... 428).
    static int xBarra(int i) { return (2 * i + 1) * 8 + 20; }
    // Letter column under x, or -1 between the edges and the first or last column.
    static int colonnaSotto(int x);
    // Base line of the bars.
    int y0() const { return height() - 16; }
    // Height of grid line k (1..18), which stands for a share of k - 1 %: a bar of that
    // share ends on it.
    int yGriglia(int k) const { return y0() - 5 - 10 * (k - 1); }

    // A number of the vertical axis: the share its grid line stands for, where it is drawn.
    struct EtichettaAsse {
        int percento;
        int y; // the grid line
        QRect rettangolo;
    };
    // Every other line from 2 % up carries its number, left of the grid.
    std::vector<EtichettaAsse> etichetteAsse() const;

    const QImage& immagine() const { return immagine_; }
    QLabel* suggerimento() const { return tip_; }

public slots:
    // Repaints the chart from the current letter shares and background settings.
    void Disegna();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void disegnaGriglia(QImage& img) const;
    void disegnaBarre(QImage& img) const;

    Form1& f_;
    std::array<int32_t, 26> perc_{};
    QImage immagine_;
    QLabel* tip_ = nullptr;
};

} // namespace verbolario
