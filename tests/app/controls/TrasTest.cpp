#include "controls/Tras.h"
#include "controls/ChiaveColore.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace verbolario;

namespace {

const QColor kChiave(192, 192, 192);

// Rows of '.' (key colour) and '#' (anything else).
QImage immagineDa(const QStringList& righe) {
    QImage img(static_cast<int>(righe.first().size()), static_cast<int>(righe.size()),
               QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixelColor(x, y, righe[y][x] == '.' ? kChiave : QColor(Qt::darkBlue));
    return img;
}

// The same region built the slow, obviously right way.
QRegion regioneIngenua(const QImage& img, QColor chiave) {
    QRegion r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFFu) != (chiave.rgb() & 0xFFFFFFu)) r += QRect(x, y, 1, 1);
    return r;
}

// Qt keeps equal areas in different sets of rectangles, and == compares the sets.
bool stessaArea(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

// A main window in miniature: a plain background in the key colour, a status message
// drawn on its surface when asked, and a count of its paints.
class FinestraProva : public QWidget {
public:
    FinestraProva() { resize(200, 120); }
    bool messaggio = false;
    int dipinture = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        ++dipinture;
        QPainter p(this);
        p.fillRect(rect(), kChiave);
        if (messaggio) p.fillRect(QRect(10, 90, 60, 20), Qt::yellow);
    }
};

} // namespace

class TrasTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ForzaTrasparenzaDisponibile(std::nullopt); }
    // Against the pixel-by-pixel region; rows with equal runs must share one rectangle.
    void regione() {
        // Rows separated by "/"; ".##./..../.##." has the same runs after a gap.
        const std::pair<const char*, int> casi[] = {
            {"..../....", 0},      {"####/####/####", 1}, {".../.#./...", 1},
            {"#..#/#..#", 2},      {".#../.#../.#..", 1}, {"#.../#.../####", 2},
            {".##./..../.##.", 2}, {"#.#./.#.#/#.#.", 6}, {"#####/#...#/#...#/#####", 4},
            {"##.###.#", 3}};
        for (const auto& [righe, rettangoli] : casi) {
            const QImage img = immagineDa(QString(righe).split('/'));
            const QRegion r = RegioneSenzaChiave(img, kChiave);
            const QRegion attesa = regioneIngenua(img, kChiave);
            QVERIFY2(stessaArea(r, attesa), righe);
            QCOMPARE(r.rectCount(), rettangoli);
            // Set operations rely on a well-formed region.
            const QRect b(1, 0, 2, 2);
            QVERIFY(stessaArea(r.subtracted(b), attesa.subtracted(b)));
        }
    }

    void alfaEFormati() {
        // Alpha is not part of the key; a colour one step off is not the key.
        QImage img(3, 1, QImage::Format_ARGB32);
        img.setPixel(0, 0, qRgba(192, 192, 192, 0));
        img.setPixel(1, 0, qRgba(192, 192, 193, 255));
        img.setPixel(2, 0, qRgba(192, 192, 192, 255));
        QCOMPARE(RegioneSenzaChiave(img, kChiave), QRegion(1, 0, 1, 1));
        QCOMPARE(RegioneSenzaChiave(img.convertToFormat(QImage::Format_RGB888), kChiave),
                 QRegion(1, 0, 1, 1));
        QVERIFY(RegioneSenzaChiave(QImage(), kChiave).isEmpty());
        QVERIFY(RegioneSenzaChiave(img, QColor()).isEmpty());
    }

    void finestraTuttaChiave() {
        const QRegion m = ChiaveColore::mascheraPer(QRegion(), QSize(100, 50));
        // An empty mask would mean "no mask" to Qt: a thin edge stays.
        QVERIFY(m.contains(QPoint(0, 0)) && m.contains(QPoint(99, 49)));
        QVERIFY(!m.contains(QPoint(50, 25)));
        QVERIFY(!ChiaveColore::mascheraPer(QRegion(), QSize(0, 0)).isEmpty());
        QCOMPARE(ChiaveColore::mascheraPer(QRegion(5, 5, 2, 2), QSize(100, 50)),
                 QRegion(5, 5, 2, 2));
    }

    // Offscreen there is no see-through window; where there is none, asking for one is harmless.
    void innocuaDoveNonDisponibile() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QVERIFY(!TrasparenzaDisponibile());
        ForzaTrasparenzaDisponibile(false);
        FinestraProva w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ImpostaTrasparenza(w, kChiave, 255);
        ImpostaTrasparenza(w, QColor(), 128);
        QVERIFY(w.mask().isEmpty() && !ChiaveColore::di(w) && w.windowOpacity() == 1.0);
    }

    // The mask follows the window: controls shown later, messages drawn, a new size.
    void mascheraSegueLaFinestra() {
        ForzaTrasparenzaDisponibile(true);
        FinestraProva w;
        auto* bottone = new QPushButton("OK", &w);
        bottone->setGeometry(120, 10, 60, 30);
        auto* etichetta = new QLabel("ciao", &w);
        etichetta->setAutoFillBackground(true);
        etichetta->setPalette(QPalette(Qt::white));
        etichetta->setGeometry(10, 10, 50, 20);
        etichetta->hide();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ImpostaTrasparenza(w, kChiave, 255);
        QVERIFY(w.mask().contains(QPoint(150, 25)) && !w.mask().contains(QPoint(5, 60)));
        QVERIFY(!w.mask().contains(QPoint(30, 20)));
        // Each change reaches the mask once the repaint is over.
        etichetta->show();
        QTRY_VERIFY(w.mask().contains(QPoint(30, 20)));
        w.messaggio = true;
        w.update();
        QTRY_VERIFY(w.mask().contains(QPoint(40, 100)));
        bottone->move(200, 140);
        w.resize(300, 200);
        QTRY_VERIFY(w.mask().contains(QPoint(230, 155)) && !w.mask().contains(QPoint(150, 25)));
        // Once settled, applying the mask does not start another round of rendering.
        QTest::qWait(3 * ChiaveColore::kRitardoMs);
        const int dipinture = w.dipinture;
        QTest::qWait(5 * ChiaveColore::kRitardoMs);
        QCOMPARE(w.dipinture, dipinture);
        // Without a key the window is whole again, and later repaints no longer cut it.
        ImpostaTrasparenza(w, kChiave, 255); // a second call reuses the helper
        QCOMPARE(w.findChildren<ChiaveColore*>().size(), 1);
        ImpostaTrasparenza(w, QColor(), 255);
        QVERIFY(!ChiaveColore::di(w));
        w.update();
        QTest::qWait(3 * ChiaveColore::kRitardoMs);
        QVERIFY(w.mask().isEmpty());
        ImpostaTrasparenza(w, QColor(), 128);
        QCOMPARE(w.windowOpacity(), 128 / 255.0);
        ImpostaTrasparenza(w, QColor(), 300); // clamped, not wrapped
        QCOMPARE(w.windowOpacity(), 1.0);
    }
};

QTEST_MAIN(TrasTest)
#include "TrasTest.moc"
