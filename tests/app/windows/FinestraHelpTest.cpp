// The help opens at the topic of the mode in use, from F1 and from the Help menu.

#include "ConForm1.h"
#include "NomiAccessibili.h"

#include "windows/FinestraHelp.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

using namespace verbolario;

class FinestraHelpTest : public QObject, prova::ConForm1 {
    Q_OBJECT
private slots:
    void init() { avvia(); }
    void cleanup() { a_.reset(); }

    // Each topic once: a missing or duplicate anchor would send F1 to the wrong place.
    void guidaHaUnArgomentoPerOgniNumero() {
        QFile f(FinestraHelp::percorsoGuida());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QStringList attesi, visti;
        for (int m = 0; m < 10; ++m) attesi << QString::number(FinestraHelp::argomentoModo(m));
        attesi << QString::number(FinestraHelp::kArgomentoSfondo)
               << QString::number(FinestraHelp::kArgomentoOpzioni)
               << QString::number(FinestraHelp::kArgomentoEnigmistica);
        QRegularExpression ancora("<a name=\"t(\\d+)\">");
        for (auto it = ancora.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();)
            visti << it.next().captured(1);
        attesi.sort();
        visti.sort();
        QCOMPARE(visti, attesi);
        // A mode outside the table falls back on the navigation topic.
        QCOMPARE(FinestraHelp::argomentoModo(-1), 100);
        QCOMPARE(FinestraHelp::argomentoModo(10), 100);
    }

    // F1 wherever the focus is, on a fresh main window in each mode.
    void f1ApreLArgomentoDelModo() {
        const int argomenti[10] = {200, 600, 300, 400, 500, 100, 700, 800, 1100, 950};
        for (int modo = 0; modo < 10; ++modo) {
            avvia();
            f_->Option1_Click(modo);
            QWidget* bersaglio = QApplication::focusWidget() ? QApplication::focusWidget() : f_;
            QTest::keyClick(bersaglio, Qt::Key_F1);
            FinestraHelp& h = finestraHelp(*f_);
            QVERIFY(h.isVisible());
            QCOMPARE(verbolario::prova::senzaNomeAccessibile(&h), QString());
            QCOMPARE(h.source().fragment(), QString("t%1").arg(argomenti[modo]));
        }
        QVERIFY(finestraHelp(*f_).toPlainText().contains("Guida di Verbolario"));
    }

    // Esc and Ctrl+W close the help from the keyboard; it opens again where it was left.
    void tastieraChiudeELaFinestraRestaDovEra() {
        for (QKeyCombination tasto :
             {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
            emit f_->richiestaHelp();
            FinestraHelp& h = finestraHelp(*f_);
            QVERIFY(h.isVisible());
            const QRect posto(h.x() + 37, h.y() + 21, 612, 418);
            h.setGeometry(posto);
            QTest::keyClick(&h, tasto.key(), tasto.keyboardModifiers());
            QVERIFY(!h.isVisible());
            emit f_->richiestaHelp();
            QVERIFY(h.isVisible());
            QCOMPARE(h.geometry(), posto);
            h.hide();
        }
    }

    void voceDiMenuEF1RiusanoLaStessaFinestra() {
        installaFinestre(*f_); // a second install must not open the window twice per request
        f_->Option1_Click(7);
        emit f_->richiestaHelp();
        FinestraHelp* prima = &finestraHelp(*f_);
        QCOMPARE(prima->argomento(), 800);
        f_->Option1_Click(9);
        QTest::keyClick(f_, Qt::Key_F1);
        QCOMPARE(&finestraHelp(*f_), prima);
        QCOMPARE(prima->source().fragment(), QString("t950"));
        QCOMPARE(f_->findChildren<FinestraHelp*>().size(), 1);
    }
};

QTEST_MAIN(FinestraHelpTest)
#include "FinestraHelpTest.moc"
