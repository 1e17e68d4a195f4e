#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class QRectF;

namespace verbolario {

// The digit images of the countdown: ten LED cells side by side, the cell of digit d
// starting at x = d times the cell width. Drawn for whatever cell size the countdown needs,
// and kept until another size is asked for.
class PicLed {
public:
    const QImage& immagine(QSize cella);
    static QRect cella(int cifra, QSize dimensione) {
        return {cifra * dimensione.width(), 0, dimensione.width(), dimensione.height()};
    }
    // One digit's seven segments, lit and unlit, on a dark ground.
    static void disegnaCifra(QPainter& p, const QRectF& r, int cifra);

    static QColor accesa() { return {255, 48, 32}; }

private:
    QImage immagine_;
};

} // namespace verbolario
