#include "controls/reSizer.h"

#include "controls/StileScalato.h"
#include "controls/ucTast.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using verbolario::reSizer;
using verbolario::StileScalato;
using verbolario::ucTast;

namespace {

QWidget* figlio(QWidget* host, const char* tag, QRect g) {
    auto* w = new QLabel(host);
    if (tag) w->setProperty(reSizer::kTag, QString::fromLatin1(tag));
    w->setGeometry(g);
    QFont f = w->font();
    f.setPointSizeF(10);
    w->setFont(f);
    return w;
}

// A 640 x 480 window with its resizer; `arma` takes the snapshot and makes the first,
// arming call to Size().
struct Banco {
    QWidget host;
    reSizer r{&host};
    Banco() { host.resize(640, 480); }
    void arma() {
        r.Refresh();
        r.Size();
    }
    void porta(QSize s) {
        host.resize(s);
        r.Size();
    }
};

} // namespace

class reSizerTest : public QObject {
    Q_OBJECT

private slots:
    // P moves, S sizes, T scales the font too, both ways; any other letter is ignored.
    void scalatura() {
        const struct {
            const char* tag;
            QSize nuova;
            QRect attesa;
            double punti;
        } casi[] = {
            {"PS", {960, 480}, {150, 40, 75, 20}, 10},
            {"S", {960, 480}, {100, 40, 50, 20}, 10},
            {"P", {960, 480}, {150, 40, 50, 20}, 10},
            {"", {960, 480}, {100, 40, 50, 20}, 10},
            {"ps", {960, 480}, {100, 40, 50, 20}, 10},
            {"xTSPy", {960, 720}, {150, 60, 75, 30}, 15},
            {"T", {960, 720}, {100, 40, 50, 20}, 10},
            {"PS", {320, 240}, {50, 20, 25, 10}, 10},
            {"PS", {650, 480}, {102, 40, 51, 20}, 10}, // an odd ratio rounds
            // Text follows the smaller ratio: a tall window does not outgrow the widths.
            {"PST", {640, 960}, {100, 80, 50, 40}, 10},
            {"PT", {1280, 720}, {200, 60, 50, 20}, 15},
        };
        for (const auto& c : casi) {
            Banco b;
            QWidget* w = figlio(&b.host, c.tag, QRect(100, 40, 50, 20));
            b.arma();
            b.porta(c.nuova);
            QVERIFY2(w->geometry() == c.attesa && w->font().pointSizeF() == c.punti, c.tag);
        }
    }

    // The look factor (indicators, scroll bars, icons) is the smaller ratio to the design
    // size, for every control taking part; a control with its own FontSize is re-fonted
    // through it; a caption that would be cut gets a font small enough to show whole.
    void aspettoEDidascalie() {
        Banco b;
        QPixmap icona(64, 64);
        icona.fill(Qt::darkGreen);
        auto* pulsante = new QPushButton(QIcon(icona), "Avvio", &b.host);
        pulsante->setIconSize(QSize(16, 16));
        pulsante->setGeometry(10, 10, 80, 30);
        auto* opzione = new QRadioButton("Contenitori di parole", &b.host);
        opzione->setGeometry(10, 50, 60, 20);
        auto* tasti = new ucTast(&b.host);
        tasti->move(100, 100);
        for (QWidget* w : {static_cast<QWidget*>(pulsante), static_cast<QWidget*>(opzione)})
            w->setProperty(reSizer::kTag, "PST");
        tasti->setProperty(reSizer::kTag, "PT");
        const double punti = opzione->font().pointSizeF(), tasto = tasti->FontSize();
        b.arma();
        b.porta(QSize(1280, 960));
        QCOMPARE(StileScalato::fattore(pulsante), 2.0);
        QCOMPARE(pulsante->iconSize(), QSize(32, 32));
        QCOMPARE(tasti->FontSize(), 2 * tasto);
        QVERIFY(opzione->font().pointSizeF() < 2 * punti);
        QVERIFY(opzione->sizeHint().width() <= opzione->width());
        b.porta(QSize(1280, 720));
        QCOMPARE(StileScalato::fattore(opzione), 1.5);
        QCOMPARE(b.host.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, opzione),
                 qRound(1.5 * QProxyStyle().pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)));
    }

    // The first Size() only arms; every later one works from the snapshot, so repeated
    // rounding never drifts and a control moved by hand goes back.
    void dallIstantanea() {
        Banco b;
        QWidget* w = figlio(&b.host, "PST", QRect(101, 41, 51, 21));
        b.r.Refresh();
        b.porta(QSize(1280, 960));
        QCOMPARE(w->geometry(), QRect(101, 41, 51, 21));
        b.r.Size();
        QCOMPARE(w->geometry(), QRect(202, 82, 102, 42));
        for (const int larghezza : {700, 333, 1290, 640}) b.porta(QSize(larghezza, 480));
        QCOMPARE(w->geometry(), QRect(101, 41, 51, 21));
        w->move(0, 0);
        b.r.Size();
        QCOMPARE(w->geometry(), QRect(101, 41, 51, 21));
    }

    void controlliNuoviOEliminati() {
        Banco b;
        QWidget* senzaTag = figlio(&b.host, nullptr, QRect(10, 10, 10, 10));
        auto* eliminato = figlio(&b.host, "PS", QRect(10, 10, 10, 10));
        QWidget* cornice = figlio(&b.host, "PS", QRect(100, 100, 200, 100));
        QWidget* dentro = figlio(cornice, "PS", QRect(10, 20, 30, 40));
        b.arma();
        QWidget* nuovo = figlio(&b.host, "PS", QRect(10, 10, 10, 10));
        delete eliminato;
        b.porta(QSize(1280, 960));
        QCOMPARE(senzaTag->geometry(), QRect(10, 10, 10, 10));
        QCOMPARE(nuovo->geometry(), QRect(10, 10, 10, 10));
        QCOMPARE(cornice->geometry(), QRect(200, 200, 400, 200));
        QCOMPARE(dentro->geometry(), QRect(20, 40, 60, 80)); // inside a frame, same ratio
        b.r.Refresh();                                       // now it takes part, from where it is
        b.porta(QSize(640, 480));
        QCOMPARE(nuovo->geometry(), QRect(5, 5, 5, 5));
    }

    // The window and its growing controls follow the screen's ratio to the design size,
    // only when the width differs; "X" controls stay.
    void risoluzione() {
        const QRect g(100, 50, 200, 100);
        const struct {
            int progetto; // 1: 640 x 480, 2: 800 x 600, 3: 1024 x 748
            QSize schermo;
            QRect attesa; // g: not adapted
        } casi[] = {{2, {1024, 768}, {128, 64, 256, 128}},
                    {2, {800, 768}, g},
                    {1, {1280, 720}, {200, 75, 400, 150}},
                    {3, {1024, 768}, g},
                    {3, {512, 374}, {50, 25, 100, 50}}};
        for (const auto& c : casi) {
            QWidget host;
            host.move(g.topLeft());
            host.resize(g.size());
            QWidget* cresce = figlio(&host, "", g);
            QWidget* fermo = figlio(&host, "PSX", g);
            reSizer r(&host);
            QVERIFY(r.setScreenResolution(c.progetto));
            QCOMPARE(r.ResChanged(c.schermo), c.attesa != g);
            QCOMPARE(cresce->geometry(), c.attesa);
            QCOMPARE(QRect(host.pos(), host.size()), c.attesa);
            QCOMPARE(fermo->geometry(), g);
        }
        // A design size outside 1..3 is refused and 800 x 600 stays.
        QWidget host;
        reSizer r(&host);
        for (const int v : {0, 4, -1}) QVERIFY(!r.setScreenResolution(v));
        QCOMPARE(r.ScreenResolution(), 2);
    }
};

QTEST_MAIN(reSizerTest)
#include "reSizerTest.moc"
