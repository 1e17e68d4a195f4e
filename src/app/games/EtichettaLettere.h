#pragma once

#include <QLabel>
#include <QStringList>

namespace verbolario {

// The drawn letters of the letter game (Lblpar): capitals with a blank after each, on a light
// strip between the word box and the list. Thirty letters do not fit the strip at the size
// that suits eight, so the text is drawn on one line or split over two, whichever allows the
// larger font up to the label's own; the label's font itself stays as the window's resizer
// sets it.
class EtichettaLettere final : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaLettere(QWidget* parent = nullptr);

    // The text colour, 0x00BBGGRR.
    void impostaColore(uint32_t bgr);
    struct Disposizione {
        QFont font;
        QStringList righe;
    };
    // How the text is drawn at the label's current size.
    Disposizione disposizione() const;

signals:
    void doppioClic();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace verbolario
