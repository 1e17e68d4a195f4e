#include "controls/reSizer.h"

#include <QLabel>
#include <QtTest>

#include <memory>

using verbolario::reSizer;

namespace {

QWidget* figlio(QWidget* host, const char* tag, QRect g, double punti = 10) {
    auto* w = new QLabel(host);
    if (tag) w->setProperty(reSizer::kTag, QString::fromLatin1(tag));
    w->setGeometry(g);
    QFont f = w->font();
    f.setPointSizeF(punti);
    w->setFont(f);
    return w;
}

} // namespace

class reSizerTest : public QObject {
    Q_OBJECT

private slots:
    void scalatura_data();
    void scalatura();
    void primoSizeNonMuoveNulla();
    void sempreDallIstantanea();
    void controlliNuoviOEliminati();
    void dentroUnaCornice();
    void risoluzione_data();
    void risoluzione();
    void risoluzioneFuoriIntervallo();
};

void reSizerTest::scalatura_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QSize>("nuova");
    QTest::addColumn<QRect>("attesa");
    QTest::addColumn<double>("punti");
    const QRect g(100, 40, 50, 20);
    QTest::newRow("P and S, wider") << "PS" << QSize(960, 480) << QRect(150, 40, 75, 20) << 10.0;
    QTest::newRow("only S") << "S" << QSize(960, 480) << g << 10.0;
    QTest::newRow("only P") << "P" << QSize(960, 480) << QRect(150, 40, 50, 20) << 10.0;
    QTest::newRow("no symbol") << "" << QSize(960, 480) << g << 10.0;
    QTest::newRow("lower case is another symbol") << "ps" << QSize(960, 480) << g << 10.0;
    QTest::newRow("P, S and T, both ways")
        << "xTSPy" << QSize(960, 720) << QRect(150, 60, 75, 30) << 15.0;
    QTest::newRow("T without P") << "T" << QSize(960, 720) << g << 10.0;
    QTest::newRow("half size") << "PS" << QSize(320, 240) << QRect(50, 20, 25, 10) << 10.0;
    QTest::newRow("odd ratio rounds") << "PS" << QSize(650, 480) << QRect(102, 40, 51, 20) << 10.0;
}

void reSizerTest::scalatura() {
    QFETCH(QString, tag);
    QFETCH(QSize, nuova);
    QFETCH(QRect, attesa);
    QFETCH(double, punti);
    QWidget host;
    host.resize(640, 480);
    QWidget* w = figlio(&host, tag.toLatin1().constData(), QRect(100, 40, 50, 20));
    reSizer r(&host);
    r.Refresh();
    r.Size(); // the first call only arms the resizer
    host.resize(nuova);
    r.Size();
    QCOMPARE(w->geometry(), attesa);
    QCOMPARE(w->font().pointSizeF(), punti);
}

void reSizerTest::primoSizeNonMuoveNulla() {
    QWidget host;
    host.resize(640, 480);
    QWidget* w = figlio(&host, "PST", QRect(100, 40, 50, 20));
    reSizer r(&host);
    r.Refresh();
    host.resize(1280, 960);
    r.Size();
    QCOMPARE(w->geometry(), QRect(100, 40, 50, 20));
    r.Size();
    QCOMPARE(w->geometry(), QRect(200, 80, 100, 40));
}

void reSizerTest::sempreDallIstantanea() {
    QWidget host;
    host.resize(640, 480);
    QWidget* w = figlio(&host, "PS", QRect(101, 41, 51, 21));
    reSizer r(&host);
    r.Refresh();
    r.Size();
    for (const int larghezza : {700, 333, 1290, 640}) {
        host.resize(larghezza, 480);
        r.Size();
    }
    QCOMPARE(w->geometry(), QRect(101, 41, 51, 21)); // no drift from repeated rounding
    w->move(0, 0);
    r.Size();
    QCOMPARE(w->geometry(), QRect(101, 41, 51, 21));
}

void reSizerTest::controlliNuoviOEliminati() {
    QWidget host;
    host.resize(640, 480);
    QWidget* senzaTag = figlio(&host, nullptr, QRect(10, 10, 10, 10));
    auto* eliminato = figlio(&host, "PS", QRect(10, 10, 10, 10));
    reSizer r(&host);
    r.Refresh();
    r.Size();
    QWidget* nuovo = figlio(&host, "PS", QRect(10, 10, 10, 10));
    delete eliminato;
    host.resize(1280, 960);
    r.Size();
    QCOMPARE(senzaTag->geometry(), QRect(10, 10, 10, 10));
    QCOMPARE(nuovo->geometry(), QRect(10, 10, 10, 10));
    r.Refresh(); // now it takes part, from where it is
    host.resize(640, 480);
    r.Size();
    QCOMPARE(nuovo->geometry(), QRect(5, 5, 5, 5));
}

void reSizerTest::dentroUnaCornice() {
    QWidget host;
    host.resize(640, 480);
    QWidget* cornice = figlio(&host, "PS", QRect(100, 100, 200, 100));
    QWidget* dentro = figlio(cornice, "PS", QRect(10, 20, 30, 40));
    reSizer r(&host);
    r.Refresh();
    r.Size();
    host.resize(1280, 960);
    r.Size();
    QCOMPARE(cornice->geometry(), QRect(200, 200, 400, 200));
    QCOMPARE(dentro->geometry(), QRect(20, 40, 60, 80));
}

void reSizerTest::risoluzione_data() {
    QTest::addColumn<int>("progetto");
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<bool>("adattato");
    QTest::addColumn<QRect>("attesa");
    const QRect g(100, 50, 200, 100);
    QTest::newRow("1024 x 768 on 800 x 600")
        << 2 << QSize(1024, 768) << true << QRect(128, 64, 256, 128);
    QTest::newRow("only the height differs") << 2 << QSize(800, 768) << false << g;
    QTest::newRow("design 640 x 480 on 1280 x 720")
        << 1 << QSize(1280, 720) << true << QRect(200, 75, 400, 150);
    QTest::newRow("design 1024 x 748 on 1024 x 768") << 3 << QSize(1024, 768) << false << g;
    QTest::newRow("design 1024 x 748 on 512 x 374")
        << 3 << QSize(512, 374) << true << QRect(50, 25, 100, 50);
}

void reSizerTest::risoluzione() {
    QFETCH(int, progetto);
    QFETCH(QSize, schermo);
    QFETCH(bool, adattato);
    QFETCH(QRect, attesa);
    QWidget host;
    host.move(100, 50);
    host.resize(200, 100);
    const QRect g(100, 50, 200, 100);
    QWidget* cresce = figlio(&host, "", g);
    QWidget* fermo = figlio(&host, "PSX", g);
    reSizer r(&host);
    QVERIFY(r.setScreenResolution(progetto));
    QCOMPARE(r.ResChanged(schermo), adattato);
    QCOMPARE(cresce->geometry(), attesa);
    QCOMPARE(QRect(host.pos(), host.size()), attesa);
    QCOMPARE(fermo->geometry(), g);
}

void reSizerTest::risoluzioneFuoriIntervallo() {
    QWidget host;
    host.resize(200, 100);
    reSizer r(&host);
    for (const int v : {0, 4, -1}) QVERIFY(!r.setScreenResolution(v));
    QCOMPARE(r.ScreenResolution(), 2);
    QVERIFY(r.ResChanged(QSize(1024, 768)));
    QCOMPARE(r.rapportoOrizzontale(), 1.28f);
    QCOMPARE(r.rapportoVerticale(), 1.28f);
}

QTEST_MAIN(reSizerTest)
#include "reSizerTest.moc"
