#include "controls/DisegnaMessaggio.h"

#include <QPainter>
#include <QtTest>

using namespace verbolario;

namespace {

const QColor kFondo(40, 90, 40);
const QColor kTesto(250, 200, 20);

// Draws the message on a plain surface of the given size and returns the result.
QImage scrivi(QSize dimensioni, double k, const QString& testo, unsigned formato) {
    QImage img(dimensioni, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(kFondo);
    // Without antialiasing every pixel is the background, the shadow or the text.
    QFont f = FontMessaggi(k);
    f.setStyleStrategy(QFont::NoAntialias);
    QPainter p(&img);
    DisegnaMessaggio(p, QSizeF(dimensioni), k, testo, formato, kTesto, f);
    return img;
}

// The smallest rectangle holding every pixel of colour c (null when there is none).
QRect ingombro(const QImage& img, const QColor& c) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class MessaggioTest : public QObject {
    Q_OBJECT

private slots:
    // Shadow and text rectangles (left, top, right, bottom exclusive) at several scales.
    void rettangoli() {
        const auto bordi = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
        const struct {
            QSizeF interno;
            double k;
            QRect ombra, testo;
        } casi[] = {
            {{640, 480}, 1, bordi(11, 425, 630, 478), bordi(10, 424, 629, 477)},
            {{1280, 960}, 2, bordi(11, 850, 1270, 958), bordi(10, 848, 1269, 957)},
            // 55 x 1.5 = 82.5 rounds to 82 (tie to even), 56 x 1.5 = 84.
            {{900, 700}, 1.5, bordi(11, 618, 890, 698), bordi(10, 616, 889, 697)},
            // 55 x 0.5 = 27.5 rounds to 28; 100.5 - 2 = 98.5 rounds to 98.
            {{300.5, 100.5}, 0.5, bordi(11, 72, 290, 98), bordi(10, 72, 290, 98)},
        };
        for (const auto& c : casi) {
            QCOMPARE(RettangoloOmbra(c.interno, c.k), c.ombra);
            QCOMPARE(RettangoloTesto(c.interno, c.k), c.testo);
        }
    }

    // Centred or from the left; a CR LF or a long line adds lines below, inside the band.
    // The shadow lies one pixel right and one down; the text hides only its top left.
    void righe() {
        const QImage img = scrivi(QSize(640, 480), 1, "Prima riga", 1);
        const QRect una = ingombro(img, kTesto), ombra = ingombro(img, Qt::black);
        QVERIFY(RettangoloTesto(QSizeF(640, 480), 1).contains(una));
        QCOMPARE(ombra.bottomRight() - una.bottomRight(), QPoint(1, 1));
        QVERIFY(std::abs(una.center().x() - 320) <= 2);
        const QRect sinistra = ingombro(scrivi(QSize(640, 480), 1, "Prima riga", 0), kTesto);
        QVERIFY2(sinistra.left() <= 12, qPrintable(QString::number(sinistra.left())));
        const QRect due = ingombro(scrivi(QSize(640, 480), 1, "Prima riga\r\nseconda", 1), kTesto);
        QVERIFY(due.top() == una.top() && due.height() > una.height() + 8);
        const QString lunga = QString("parola ").repeated(60);
        const QRect avvolta = ingombro(scrivi(QSize(400, 300), 1, lunga, 0), kTesto);
        QVERIFY(avvolta.height() > una.height() + 8 && avvolta.right() < 389);
    }

    // Too many lines, or a window too small for the band: the text is cut, never spills.
    void fuoriSpazio() {
        const QRect testo =
            ingombro(scrivi(QSize(640, 480), 1, QString("riga\r\n").repeated(20), 1), kTesto);
        QVERIFY(testo.top() >= 424 && testo.bottom() < 477);
        for (const QSize s : {QSize(5, 5), QSize(30, 20), QSize(1, 200), QSize(200, 1)}) {
            const QRect dentro = ingombro(scrivi(s, 1, "Testo che non ci sta", 1), kTesto);
            QVERIFY(dentro.isNull() || RettangoloTesto(QSizeF(s), 1).contains(dentro));
        }
        QVERIFY(RettangoloOmbra(QSizeF(5, 5), 1).isEmpty());
    }
};

QTEST_MAIN(MessaggioTest)
#include "MessaggioTest.moc"
