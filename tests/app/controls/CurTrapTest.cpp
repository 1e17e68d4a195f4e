// The pointer held inside the length bar while a marker is dragged. On the offscreen
// platform nothing can hold the pointer and the bar clamps (see the game's own test); run on
// an X display (ctest runs it once more under xvfb-run), a real drag made with xdotool must
// leave the pointer inside the bar until the button is released.

#include "mainform/AmbienteForm1.h"

#include "controls/CurTrap.h"
#include "games/BarraLunghezze.h"
#include "games/GiocoIndovina.h"

#include <QCursor>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace verbolario;

class CurTrapTest : public QObject {
    Q_OBJECT
    QString xdotool;

    void xdo(const QStringList& argomenti) { QCOMPARE(QProcess::execute(xdotool, argomenti), 0); }
    void muovi(QPoint p) { xdo({"mousemove", QString::number(p.x()), QString::number(p.y())}); }

private slots:
    void initTestCase() { xdotool = QStandardPaths::findExecutable("xdotool"); }

    void senzaConfinamento() {
        if (QGuiApplication::platformName() == "xcb") QSKIP("the X11 case runs below");
        QWidget w;
        w.resize(100, 20);
        w.show();
        CurTrap t;
        QVERIFY(!t.confina(w));
        QVERIFY(!t.attivo());
        t.CurFree();
    }

    void trascinamentoSuX11() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X display");
        if (xdotool.isEmpty()) QSKIP("needs xdotool");
        prova::Ambiente a;
        a.conDizionario();
        a.conIni("[Opzioni]\r\nOption=1\r\nMin=3\r\nMax=8\r\n");
        Form1& f = a.avvia();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        BarraLunghezze* bar = GiocoIndovina::di(f)->PicSize;
        const QRect barra(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        const int scala = static_cast<int>(bar->intervallo().scala);
        const int y = barra.center().y();
        // On the upper marker (it ends at length 8), then the button goes down.
        muovi({barra.left() + qRound((8 - 0.5) * barra.width() / scala), y});
        QTRY_COMPARE(QCursor::pos().y(), y);
        xdo({"mousedown", "1"});
        QTRY_VERIFY(bar->trappola().attivo());
        // Past the bar's right end, then far below it: the pointer stays on the bar.
        muovi({barra.right() + 400, y});
        QTRY_COMPARE(f.giochi.max, scala);
        QTRY_VERIFY(barra.contains(QCursor::pos()));
        QCOMPARE(QCursor::pos().x(), barra.right());
        muovi({barra.center().x(), barra.bottom() + 300});
        QTRY_COMPARE(QCursor::pos().y(), barra.bottom());
        QVERIFY(barra.contains(QCursor::pos()));
        // Released: the pointer moves freely again.
        xdo({"mouseup", "1"});
        QTRY_VERIFY(!bar->trappola().attivo());
        muovi({5, 5});
        QTRY_COMPARE(QCursor::pos(), QPoint(5, 5));
    }
};

QTEST_MAIN(CurTrapTest)
#include "CurTrapTest.moc"
