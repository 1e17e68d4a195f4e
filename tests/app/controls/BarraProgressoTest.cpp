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
    void init() {
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

    void cleanup() { delete m_barra; }

    // The text under the bar shows inverted: "50%" straddles the middle, so its left part is
    // light on dark and its right part dark on light. Clearing leaves neither bar nor text.
    void barraInverte() {
        m_barra->BarDraw(500, 50);
        const QImage img = m_barra->immagine();
        QVERIFY(presente(img, inverso(kInchiostro), 80, 100) &&
                !presente(img, kInchiostro, 0, 100));
        QVERIFY(presente(img, kInchiostro, 100, 120) &&
                !presente(img, inverso(kInchiostro), 100, 200));
        m_barra->pulisci();
        const QImage pulita = m_barra->immagine();
        QVERIFY(!presente(pulita, inverso(kFondo), 0, 200) &&
                !presente(pulita, kInchiostro, 0, 200));
    }

    // Empty dictionary, zero scale, a negative position or one past the end never draw
    // outside the bar.
    void posizioni() {
        const struct {
            double scala;
            qint64 posizione;
            int fine; // first column not covered
        } casi[] = {{1000, 250, 50}, {1000, 5000, 200}, {1000, -7, 0}, {-1, 3, 0}, {0, 3, 0}};
        for (const auto& c : casi) {
            m_barra->setScala(c.scala);
            m_barra->disegna(c.posizione, QString());
            const QImage img = m_barra->immagine();
            for (int x = 0; x < 200; ++x)
                QCOMPARE(img.pixelColor(x, 10), x < c.fine ? inverso(kFondo) : kFondo);
        }
    }

private:
    BarraProgresso* m_barra = nullptr;
};

QTEST_MAIN(BarraProgressoTest)
#include "BarraProgressoTest.moc"
