#include "controls/BarraProgresso.h"

#include <QtTest>

using verbolario::BarraProgresso;

namespace {

const QColor kFondo(240, 240, 240);
const QColor kInchiostro(0, 0, 0);

QColor inverso(const QColor& c) {
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

// Whether any pixel of colour c lies in the columns [da, a).
bool presente(const QImage& img, const QColor& c, int da, int a) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = da; x < a; ++x)
            if (img.pixelColor(x, y) == c) return true;
    return false;
}

} // namespace

class BarraProgressoTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void barraInverte();
    void posizioni_data();
    void posizioni();
    void pulisci();

private:
    BarraProgresso* m_barra = nullptr;
};

void BarraProgressoTest::init() {
    m_barra = new BarraProgresso;
    QPalette p = m_barra->palette();
    p.setColor(QPalette::Button, kFondo);
    p.setColor(QPalette::ButtonText, kInchiostro);
    m_barra->setPalette(p);
    QFont f = m_barra->font();
    f.setPixelSize(14);
    f.setStyleStrategy(QFont::NoAntialias);
    m_barra->setFont(f);
    m_barra->resize(200, 20);
    m_barra->setScala(1000);
}

void BarraProgressoTest::cleanup() {
    delete m_barra;
}

// The text under the bar shows inverted: "50%" straddles the middle, so its left part is
// light on dark and its right part dark on light.
void BarraProgressoTest::barraInverte() {
    m_barra->BarDraw(500, 50);
    const QImage img = m_barra->immagine();
    QCOMPARE(img.pixelColor(2, 18), inverso(kFondo));
    QCOMPARE(img.pixelColor(197, 18), kFondo);
    QVERIFY(presente(img, inverso(kInchiostro), 80, 100));
    QVERIFY(!presente(img, kInchiostro, 0, 100));
    QVERIFY(presente(img, kInchiostro, 100, 120));
    QVERIFY(!presente(img, inverso(kInchiostro), 100, 200));
}

void BarraProgressoTest::posizioni_data() {
    QTest::addColumn<double>("scala");
    QTest::addColumn<qint64>("posizione");
    QTest::addColumn<int>("fine"); // first column not covered
    QTest::newRow("nothing done") << 1000.0 << qint64(0) << 0;
    QTest::newRow("a quarter") << 1000.0 << qint64(250) << 50;
    QTest::newRow("all done") << 1000.0 << qint64(1000) << 200;
    QTest::newRow("past the end") << 1000.0 << qint64(5000) << 200;
    QTest::newRow("negative position") << 1000.0 << qint64(-7) << 0;
    QTest::newRow("empty dictionary") << -1.0 << qint64(3) << 0;
    QTest::newRow("zero scale") << 0.0 << qint64(3) << 0;
}

void BarraProgressoTest::posizioni() {
    QFETCH(double, scala);
    QFETCH(qint64, posizione);
    QFETCH(int, fine);
    m_barra->setScala(scala);
    m_barra->disegna(posizione, QString());
    const QImage img = m_barra->immagine();
    for (int x = 0; x < 200; ++x)
        QCOMPARE(img.pixelColor(x, 10), x < fine ? inverso(kFondo) : kFondo);
}

void BarraProgressoTest::pulisci() {
    m_barra->BarDraw(1000, 100);
    m_barra->pulisci();
    const QImage img = m_barra->immagine();
    QVERIFY(!presente(img, inverso(kFondo), 0, 200));
    QVERIFY(!presente(img, kInchiostro, 0, 200));
}

QTEST_MAIN(BarraProgressoTest)
#include "BarraProgressoTest.moc"
