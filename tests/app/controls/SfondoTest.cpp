#include "controls/DisegnaSfondo.h"
#include "controls/PittoreSfondo.h"

#include <QSet>
#include <QtTest>

using namespace verbolario;

namespace {

// A fixed sequence standing in for the program's random numbers.
CasualeSfondo sequenza(uint32_t seme = 7) {
    return [seme]() mutable {
        seme = seme * 1103515245u + 12345u;
        return static_cast<double>((seme >> 8) & 0xFFFFFF) / 16777216.0;
    };
}

ParametriSfondo parametri(int stile, int colore, bool motivo = false, QColor sfondo = Qt::lightGray,
                          const QImage& mattonella = {}) {
    return {stile, colore, motivo, sfondo, mattonella};
}

QSet<QRgb> colori(const QImage& img) {
    QSet<QRgb> insieme;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) insieme.insert(img.pixel(x, y));
    return insieme;
}

} // namespace

class SfondoTest : public QObject {
    Q_OBJECT

private slots:
    void primaChiamataNonDipingeNulla() {
        PittoreSfondo pittore(sequenza());
        QVERIFY(!pittore.DisegnaSfondo(QSize(100, 100), parametri(Fade1, 255)).has_value());
        QVERIFY(pittore.DisegnaSfondo(QSize(100, 100), parametri(Fade1, 255)).has_value());
    }

    void dissolvenze() {
        QCOMPARE(coloreLinea(Fade1, 150, 300, -1), QColor(128, 128, 128)); // 127.5 to even
        const QImage img = DisegnaSfondo(QSize(40, 300), parametri(Fade1, 255));
        QCOMPARE(img.pixelColor(20, 299), QColor(255, 255, 255));
        QCOMPARE(img.pixelColor(0, 0), QColor(1, 1, 255)); // the 2-pixel line at y = 1
        for (int y = 1; y < 300; ++y)
            QVERIFY(img.pixelColor(5, y).red() >= img.pixelColor(5, y - 1).red());
        // Fade 2 runs dark to light to dark.
        const QImage due = DisegnaSfondo(QSize(10, 200), parametri(Fade2, -1));
        QCOMPARE(due.pixelColor(3, 40), QColor(102, 102, 102));
        QCOMPARE(due.pixelColor(3, 100), QColor(255, 255, 255));
        QCOMPARE(coloreLinea(Fade2, 200, 200, 40), QColor(0, 0, 40));
        // Rings stop at half the width: beyond them the plain background shows.
        const QColor piano(10, 20, 30);
        const QImage stretta = DisegnaSfondo(QSize(50, 400), parametri(Fade3, -1, false, piano));
        QCOMPARE(stretta.pixelColor(0, 0), piano);
        QCOMPARE(stretta.pixelColor(25, 200), QColor(255, 255, 255));
    }

    // Grey, blue, and a blue out of range taken as full blue.
    void anelli() {
        const struct {
            int colore;
            QColor centro, bordo;
        } casi[] = {{-1, {255, 255, 255}, {0, 0, 0}},
                    {100, {255, 255, 100}, {0, 0, 100}},
                    {999, {255, 255, 255}, {0, 0, 255}}};
        for (const auto& c : casi) {
            const QImage img = DisegnaSfondo(QSize(600, 300), parametri(Fade3, c.colore));
            QCOMPARE(img.pixelColor(300, 150), c.centro);
            QCOMPARE(img.pixelColor(599, 299), c.bordo);
            // Ring 100 passes through the pixel 100 to the right of the centre.
            QCOMPARE(img.pixelColor(400, 150), coloreAnello(100, c.colore));
        }
    }

    void mattonelle() {
        QImage tile(40, 30, QImage::Format_RGB32);
        tile.fill(Qt::green);
        tile.setPixelColor(0, 0, Qt::red);
        const QImage img = DisegnaSfondo(QSize(100, 70), parametri(Tile, -1, false, {}, tile));
        QList<QPoint> rossi, attesi;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == QColor(Qt::red)) rossi << QPoint(x, y);
        for (int y : {0, 30, 60})
            for (int x : {0, 40, 80}) attesi << QPoint(x, y);
        QCOMPARE(rossi, attesi);
        QCOMPARE(img.pixelColor(99, 69), QColor(Qt::green));
    }

    // NoFade, see-through, unknown styles and Tile without a picture.
    void stiliSenzaDisegno() {
        const QColor piano(12, 34, 56);
        for (int stile : {0, 5, 17, -3, 4}) {
            const QImage img = DisegnaSfondo(QSize(30, 20), parametri(stile, 200, false, piano));
            QVERIFY2(colori(img) == QSet<QRgb>{piano.rgb()}, qPrintable(QString::number(stile)));
        }
    }

    // The light copy is capped to white, and the second copy takes the colour found at the
    // letter's corner, so on white nothing shows.
    void motivo() {
        int estrazioni = 0;
        CasualeSfondo base = sequenza();
        const QImage bianco =
            DisegnaSfondo(QSize(300, 200), parametri(NoFade, -1, true, Qt::white), [&] {
                ++estrazioni;
                return base();
            });
        QCOMPARE(estrazioni, 151 * 4);
        QCOMPARE(colori(bianco), QSet<QRgb>{QColor(Qt::white).rgb()});
        const QColor piano(100, 120, 250);
        const QImage img =
            DisegnaSfondo(QSize(300, 200), parametri(NoFade, -1, true, piano), sequenza(3));
        QCOMPARE(colori(img), (QSet<QRgb>{piano.rgb(), QColor(120, 140, 255).rgb()}));
    }

    // Odd random numbers and empty sizes paint nothing wrong and never crash.
    void ingressiStrani() {
        for (double valore : {1.0, -4.0, 7e300, std::nan("")}) {
            const auto fisso = [valore] { return valore; };
            const QImage img = DisegnaSfondo(QSize(20, 20), parametri(Fade1, -1, true), fisso);
            QCOMPARE(img.size(), QSize(20, 20));
        }
        for (const QSize s : {QSize(0, 100), QSize(100, 0), QSize(-5, -5)})
            for (int stile = 0; stile <= 5; ++stile)
                QVERIFY(DisegnaSfondo(s, parametri(stile, -1, true), sequenza()).isNull());
        QCOMPARE(DisegnaSfondo(QSize(1, 1), parametri(Fade2, -1)).size(), QSize(1, 1));
    }
};

QTEST_MAIN(SfondoTest)
#include "SfondoTest.moc"
