#include "controls/ucTast.h"

#include <QSignalSpy>
#include <QtTest>

using verbolario::ucTast;

namespace {

// The centre of cell k's key, in the control's coordinates.
QPoint centro(const ucTast& t, int cella) {
    return t.rettangoloTasto(cella).center();
}

// The main window's letter bar.
struct Tast1 : ucTast {
    Tast1() { ReadProperties(valoriTast1()); }
};

QString tutte(const ucTast& t) {
    return QStringList(t.didascalie().begin(), t.didascalie().end()).join('|');
}

} // namespace

class ucTastTest : public QObject {
    Q_OBJECT

private slots:
    // Keys of 20 by 20 with a gap of 2 make Tast1; negative values are clamped.
    void dimensioni() {
        const struct {
            int larghezza, altezza, gap;
            QSize attesa;
        } casi[] = {{20, 20, 2, {161, 95}},
                    {26, 20, 2, {203, 95}},
                    {20, 20, 0, {145, 85}},
                    {-5, 0, -3, {12, 9}}};
        for (const auto& c : casi) {
            ucTast t;
            t.setButtonWidth(c.larghezza);
            t.setButtonHeight(c.altezza);
            t.setOffSet(c.gap);
            QCOMPARE(t.size(), c.attesa);
            t.resize(500, 500); // the user cannot give it another size
            QCOMPARE(t.size(), c.attesa);
        }
    }

    // Text after the last separator is ignored, empty captions keep their place, captions
    // past the 28 cells are dropped, and earlier captions never survive a new text.
    void didascalie() {
        QString trenta;
        for (int i = 0; i < 30; ++i) trenta += QString::number(i) + "/";
        const QStringList casi[] = {
            {"A\\B\\C\\", "\\", "A|B|C"},
            {"A\\B\\Coda", "\\", "A|B"},
            {"\\X\\", "\\", "|X"},
            {"uno;due;", ";", "uno|due"},
            {trenta, "/", trenta.left(trenta.indexOf("28")).replace('/', '|')},
            {"nessun separatore", "\\", "Z|Z|Z|Z|Z"}, // no separator: nothing changes
            {"X\\Y\\", "", "Z|Z|Z|Z|Z"}};
        for (const QStringList& c : casi) {
            ucTast t;
            t.setButtonsCaption("Z\\Z\\Z\\Z\\Z\\");
            t.setSeparatore(c[1]);
            t.setButtonsCaption(c[0]);
            QString attese = c[2];
            if (attese.endsWith('|')) attese.chop(1);
            attese += QString("|").repeated(ucTast::kCelle - 1 - attese.count('|'));
            QCOMPARE(tutte(t), attese);
        }
    }

    // The captions take FontSize while they fit their keys, a smaller size where they would
    // be cut (keys narrowed or lowered by the window, a large FontSize).
    void fontDelleDidascalie() {
        const struct {
            int larghezza, altezza;
            double punti;
            bool intero; // FontSize is used as it is
        } casi[] = {{20, 20, 8.25, true},
                    {40, 40, 16.5, true},
                    {20, 20, 30, false},
                    {10, 20, 8.25, false},
                    {20, 8, 8.25, false}};
        for (const auto& c : casi) {
            Tast1 t;
            t.setButtonWidth(c.larghezza);
            t.setButtonHeight(c.altezza);
            t.setFontSize(c.punti);
            const QFont f = t.fontDidascalie();
            QCOMPARE(f.pointSizeF() == c.punti, c.intero);
            const QFontMetricsF fm(f);
            QVERIFY(fm.horizontalAdvance("W") <= c.larghezza - 2 || f.pointSizeF() == 4);
            QVERIFY(fm.height() <= c.altezza - 2 || f.pointSizeF() == 4);
        }
    }

    void clicSinistroSelezionaPrimaDelSegnale() {
        Tast1 t;
        QString vista;
        QList<double> argomenti;
        connect(&t, &ucTast::mouseDown, this, [&](int b, int s, double x, double y) {
            vista = t.Selezione();
            argomenti = {double(b), double(s), x, y};
        });
        QSignalSpy su(&t, &ucTast::mouseUp);
        const QPoint p = centro(t, 10); // "K" is the 11th key
        QTest::mouseClick(&t, Qt::LeftButton, Qt::ShiftModifier, p);
        QCOMPARE(vista, "K");
        QCOMPARE(argomenti, (QList<double>{1, 1, double(p.x() - 2), double(p.y() - 2)}));
        QCOMPARE(su.size(), 1);
    }

    // Gaps and margins send mouseDown at (0, 0); cells past the active keys and the frame
    // send nothing; neither changes the selection or redraws a key.
    void clicNonValidi() {
        // Keys start 2 pixels into the inner surface, which lies 2 pixels inside the control.
        const std::pair<QPoint, int> casi[] = {{{2 + 22 + 1, 10}, 1},
                                               {{10, 2 + 1}, 1},
                                               {{2 + 154 + 1, 10}, 1},
                                               {{2 + 5 * 22 + 10, 2 + 66 + 10}, 0},
                                               {{2 + 6 * 22 + 10, 2 + 66 + 10}, 0},
                                               {{1, 1}, 0}};
        for (const auto& [punto, segnali] : casi) {
            Tast1 t;
            t.PushButton(3);
            QSignalSpy giu(&t, &ucTast::mouseDown);
            QTest::mouseClick(&t, Qt::LeftButton, {}, punto);
            QCOMPARE(giu.count(), segnali);
            if (segnali) QCOMPARE(giu.first().mid(2), (QVariantList{0.0, 0.0}));
            QVERIFY(t.Selezione() == "K" && t.premuto(3));
        }
    }

    void toggle() {
        for (bool toggle : {true, false}) {
            Tast1 t;
            t.setToggle(toggle);
            QTest::mousePress(&t, Qt::LeftButton, {}, centro(t, 0));
            QVERIFY(t.premuto(0)); // down while held in both modes
            QTest::mouseRelease(&t, Qt::LeftButton, {}, centro(t, 0));
            QCOMPARE(t.premuto(0), toggle);
            QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, 1));
            QVERIFY(!t.premuto(0)); // the earlier key popped up
            QCOMPARE(t.premuto(1), toggle);
            t.ClearButton();
            QVERIFY(!t.premuto(1) && t.Selezione() == "B");
            t.PushButton(); // presses the last key again
            QVERIFY(t.premuto(1));
        }
    }

    void clicDestroECentrale() {
        Tast1 t;
        QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, 4));
        QSignalSpy giu(&t, &ucTast::mouseDown);
        QTest::mouseClick(&t, Qt::RightButton, {}, centro(t, 4));
        QVERIFY(!t.premuto(4) && t.Selezione() == "E");
        QCOMPARE(giu.last().at(0).toInt(), 2);
        QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, 5));
        QTest::mouseClick(&t, Qt::MiddleButton, {}, centro(t, 9));
        QVERIFY(t.Selezione().isEmpty() && !t.premuto(5));
        QCOMPARE(giu.last().at(0).toInt(), 4);
        // With several keys marked, a click toggles one and the middle button clears all.
        t.setMultiSel(true);
        for (int k : {2, 0, 3, 2}) QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, k));
        QCOMPARE(t.Selezione(), "A\\D\\");
        QVERIFY(!t.premuto(2));
        QTest::mouseClick(&t, Qt::MiddleButton, {}, centro(t, 0));
        QVERIFY(t.Selezione().isEmpty() && !t.premuto(0));
    }

    // Raised keys show the back colour with lit top-left and shaded bottom-right edges; a
    // pressed key shows SelColor with the edges swapped.
    void aspettoDeiTasti() {
        Tast1 t;
        t.setBackColor(QColor(200, 200, 200));
        QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, 8));
        const QRect su = t.rettangoloTasto(0);
        const QRect giu = t.rettangoloTasto(8);
        const QImage img = t.grab().toImage();
        const QColor chiaro(0xE0, 0xE0, 0xE0), scuro(0x40, 0x40, 0x40);
        QCOMPARE(img.pixelColor(su.topLeft() + QPoint(3, 1)), QColor(200, 200, 200));
        QCOMPARE(img.pixelColor(su.left() + 5, su.top()), chiaro);
        QCOMPARE(img.pixelColor(su.left() + 5, su.bottom()), scuro);
        QCOMPARE(img.pixelColor(giu.topLeft() + QPoint(3, 1)), QColor(0, 0, 255));
        QCOMPARE(img.pixelColor(giu.left(), giu.top() + 5), scuro);
        // The dark caption shows on the blue face.
        t.setForeColor(Qt::black);
        QTest::mouseClick(&t, Qt::LeftButton, {}, centro(t, 10));
        const QImage k = t.grab(t.rettangoloTasto(10).adjusted(1, 1, -1, -1)).toImage();
        bool scritta = false;
        for (int i = 0; i < k.width() * k.height(); ++i)
            scritta |= k.pixelColor(i % k.width(), i / k.width()).blue() < 60;
        QVERIFY(scritta);
    }

    void proprietaAndataERitorno() {
        Tast1 t;
        QCOMPARE(t.SelColor(), QColor(0, 0, 255)); // 0xFF0000 is blue in 0x00BBGGRR
        const QVariantMap bag = t.WriteProperties();
        ucTast copia;
        copia.ReadProperties(bag);
        QCOMPARE(copia.WriteProperties(), bag);
        copia.ReadProperties({{"ButtonWidth", 26}}); // missing keys take the defaults
        QVERIFY(copia.size() == QSize(203, 95) && !copia.Toggle());
        QSignalSpy cambi(&copia, &ucTast::propertyChanged);
        copia.setOffSet(3);
        QCOMPARE(cambi.count(), 1);
        QCOMPARE(cambi.first().at(0).toString(), "OffSet");
    }
};

QTEST_MAIN(ucTastTest)
#include "ucTastTest.moc"
