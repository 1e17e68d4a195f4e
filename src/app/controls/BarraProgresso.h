#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace verbolario {

// The progress display of long loops (the main window's Pic1): the percentage printed
// centred at the top, and over it a box from the left edge to the position reached,
// drawn in "not xor" so that the part of the text under the bar shows inverted.
// The horizontal scale runs from 0 to scala() (the dictionary's upper index, usually), so
// a loop passes its own index as the position. The drawing stays until the next call or
// pulisci(); a resize clears it.
class BarraProgresso : public QWidget {
    Q_OBJECT

public:
    explicit BarraProgresso(QWidget* parent = nullptr);

    // Width of the horizontal scale; at 0 or below no bar is drawn, only the text.
    void setScala(double larghezza) { m_scala = larghezza; }
    double scala() const { return m_scala; }

    // Clears, prints "percentuale%", draws the bar up to `posizione` and shows the result
    // at once (without running the event loop; the caller's polling does that).
    void BarDraw(int64_t posizione, int percentuale);
    // The same with any text printed as it is (e.g. "12,5%").
    void disegna(int64_t posizione, const QString& testo);
    // Clears the drawing back to the plain background.
    void pulisci();

    // What is drawn, at the device pixel ratio of the widget.
    const QImage& immagine() const { return m_superficie; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void preparaSuperficie();
    void mostra();

    QImage m_superficie;
    double m_scala = 100;
};

} // namespace verbolario
