#include "controls/DisegnaSfondo.h"
#include "controls/PittoreSfondo.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

using namespace verbolario;

namespace {

// A fixed sequence standing in for the program's random numbers.
Casuale sequenza(uint32_t seme = 7) {
    return [seme]() mutable {
        seme = seme * 1103515245u + 12345u;
        return static_cast<double>((seme >> 8) & 0xFFFFFF) / 16777216.0;
    };
}

ParametriSfondo parametri(int stile, int colore, QColor sfondo = QColor(192, 192, 192)) {
    ParametriSfondo p;
    p.stile = stile;
    p.colore = colore;
    p.sfondo = sfondo;
    return p;
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
    void primaChiamataNonDipingeNulla();
    void dissolvenzaUno();
    void dissolvenzaDue();
    void anelli_data();
    void anelli();
    void anelliOltreLaLarghezza();
    void mattonelle();
    void stiliSenzaDisegno_data();
    void stiliSenzaDisegno();
    void motivoSuBianco();
    void motivoInRilievo();
    void casualeFuoriIntervallo();
    void dimensioniNulle();
    void velocita();
};

void SfondoTest::primaChiamataNonDipingeNulla() {
    PittoreSfondo pittore(sequenza());
    QVERIFY(!pittore.primaChiamataFatta());
    QVERIFY(!pittore.DisegnaSfondo(QSize(100, 100), parametri(Fade1, 255)).has_value());
    QVERIFY(pittore.primaChiamataFatta());
    const auto img = pittore.DisegnaSfondo(QSize(100, 100), parametri(Fade1, 255));
    QVERIFY(img.has_value());
    QCOMPARE(img->size(), QSize(100, 100));
}

void SfondoTest::dissolvenzaUno() {
    QCOMPARE(coloreLinea(Fade1, 0, 300, 255), QColor(0, 0, 255));
    QCOMPARE(coloreLinea(Fade1, 300, 300, 255), QColor(255, 255, 255));
    QCOMPARE(coloreLinea(Fade1, 150, 300, -1), QColor(128, 128, 128)); // 127.5 to even
    const QImage img = DisegnaSfondo(QSize(40, 300), parametri(Fade1, 255));
    QCOMPARE(img.pixelColor(20, 299), QColor(255, 255, 255));
    QCOMPARE(img.pixelColor(0, 0), QColor(1, 1, 255)); // the 2-pixel line at y = 1
    for (int y = 1; y < 300; ++y)
        QVERIFY(img.pixelColor(5, y).red() >= img.pixelColor(5, y - 1).red());
}

void SfondoTest::dissolvenzaDue() {
    const QImage img = DisegnaSfondo(QSize(10, 200), parametri(Fade2, -1));
    QCOMPARE(img.pixelColor(3, 0), QColor(0, 0, 0));
    QCOMPARE(img.pixelColor(3, 100), QColor(255, 255, 255));
    QCOMPARE(img.pixelColor(3, 40), QColor(102, 102, 102));
    QCOMPARE(img.pixelColor(3, 199), coloreLinea(Fade2, 199, 200, -1));
    QCOMPARE(coloreLinea(Fade2, 200, 200, 40), QColor(0, 0, 40));
}

void SfondoTest::anelli_data() {
    QTest::addColumn<int>("colore");
    QTest::addColumn<QColor>("centro");
    QTest::addColumn<QColor>("bordo");
    QTest::newRow("grey") << -1 << QColor(255, 255, 255) << QColor(0, 0, 0);
    QTest::newRow("blue 100") << 100 << QColor(255, 255, 100) << QColor(0, 0, 100);
    QTest::newRow("blue out of range") << 999 << QColor(255, 255, 255) << QColor(0, 0, 255);
}

void SfondoTest::anelli() {
    QFETCH(int, colore);
    QFETCH(QColor, centro);
    QFETCH(QColor, bordo);
    const QImage img = DisegnaSfondo(QSize(600, 300), parametri(Fade3, colore));
    QCOMPARE(img.pixelColor(300, 150), centro);
    QCOMPARE(img.pixelColor(0, 0), bordo);
    QCOMPARE(img.pixelColor(599, 299), bordo);
    // Ring 100 passes through the pixel 100 to the right of the centre.
    QCOMPARE(img.pixelColor(400, 150), coloreAnello(100, colore));
}

void SfondoTest::anelliOltreLaLarghezza() {
    const QColor piano(10, 20, 30);
    const QImage img = DisegnaSfondo(QSize(50, 400), parametri(Fade3, -1, piano));
    QCOMPARE(img.pixelColor(0, 0), piano); // 201 pixels from the centre, past ring 50
    QCOMPARE(img.pixelColor(25, 200), QColor(255, 255, 255));
}

void SfondoTest::mattonelle() {
    QImage tile(40, 30, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixelColor(0, 0, Qt::red);
    ParametriSfondo p = parametri(Tile, -1);
    p.mattonella = tile;
    const QImage img = DisegnaSfondo(QSize(100, 70), p);
    QList<QPoint> rossi;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == QColor(Qt::red)) rossi << QPoint(x, y);
    QList<QPoint> attesi;
    for (int y : {0, 30, 60})
        for (int x : {0, 40, 80}) attesi << QPoint(x, y);
    std::sort(rossi.begin(), rossi.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    QCOMPARE(rossi, attesi);
    QCOMPARE(img.pixelColor(99, 69), QColor(Qt::green));
}

void SfondoTest::stiliSenzaDisegno_data() {
    QTest::addColumn<int>("stile");
    QTest::newRow("NoFade") << 0;
    QTest::newRow("Trasparent") << 5;
    QTest::newRow("unknown") << 17;
    QTest::newRow("negative") << -3;
    QTest::newRow("Tile without a picture") << 4;
}

void SfondoTest::stiliSenzaDisegno() {
    QFETCH(int, stile);
    const QColor piano(12, 34, 56);
    const QImage img = DisegnaSfondo(QSize(30, 20), parametri(stile, 200, piano));
    QCOMPARE(colori(img), QSet<QRgb>{piano.rgb()});
}

// The light copy is capped to white, and the second copy takes the colour found at the
// letter's corner, so on white nothing shows.
void SfondoTest::motivoSuBianco() {
    ParametriSfondo p = parametri(NoFade, -1, Qt::white);
    p.motivo = true;
    int estrazioni = 0;
    Casuale base = sequenza();
    const QImage img = DisegnaSfondo(QSize(300, 200), p, [&] {
        ++estrazioni;
        return base();
    });
    QCOMPARE(estrazioni, 151 * 4);
    QCOMPARE(colori(img), QSet<QRgb>{QColor(Qt::white).rgb()});
}

void SfondoTest::motivoInRilievo() {
    const QColor piano(100, 120, 250);
    ParametriSfondo p = parametri(NoFade, -1, piano);
    p.motivo = true;
    const QImage img = DisegnaSfondo(QSize(300, 200), p, sequenza(3));
    const QSet<QRgb> attesi{piano.rgb(), QColor(120, 140, 255).rgb()};
    QCOMPARE(colori(img), attesi);
    QCOMPARE(img, DisegnaSfondo(QSize(300, 200), p, sequenza(3))); // reproducible
}

void SfondoTest::casualeFuoriIntervallo() {
    ParametriSfondo p = parametri(Fade1, -1);
    p.motivo = true;
    for (double valore : {1.0, -4.0, 7e300, std::nan("")}) {
        const QImage img = DisegnaSfondo(QSize(20, 20), p, [valore] { return valore; });
        QCOMPARE(img.size(), QSize(20, 20));
    }
}

void SfondoTest::dimensioniNulle() {
    for (const QSize s : {QSize(0, 100), QSize(100, 0), QSize(-5, -5)})
        for (int stile = 0; stile <= 5; ++stile) {
            ParametriSfondo p = parametri(stile, -1);
            p.motivo = true;
            QVERIFY(DisegnaSfondo(s, p, sequenza()).isNull());
        }
    QCOMPARE(DisegnaSfondo(QSize(1, 1), parametri(Fade2, -1)).size(), QSize(1, 1));
}

void SfondoTest::velocita() {
    ParametriSfondo p = parametri(Fade3, -1);
    p.motivo = true;
    QElapsedTimer tempo;
    tempo.start();
    const QImage img = DisegnaSfondo(QSize(1280, 934), p, sequenza());
    QVERIFY2(tempo.elapsed() < 400, qPrintable(QString::number(tempo.elapsed()) + " ms"));
    QCOMPARE(img.size(), QSize(1280, 934));
}

QTEST_MAIN(SfondoTest)
#include "SfondoTest.moc"
