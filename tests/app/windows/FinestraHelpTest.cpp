// The help opens at the topic of the mode in use, from F1 and from the Help menu.

#include "mainform/AmbienteForm1.h"

#include "windows/FinestraHelp.h"
#include "windows/FinestreAusiliarie.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;

class FinestraHelpTest : public QObject {
    Q_OBJECT
private slots:
    void guidaHaUnArgomentoPerOgniNumero() {
        QFile f(FinestraHelp::percorsoGuida());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QString html = QString::fromUtf8(f.readAll());
        QList<int> attesi;
        for (int m = 0; m < 10; ++m) attesi << FinestraHelp::argomentoModo(m);
        attesi << FinestraHelp::kArgomentoSfondo << FinestraHelp::kArgomentoOpzioni;
        for (int n : attesi)
            QVERIFY2(html.contains(QString("<a name=\"t%1\">").arg(n)),
                     qPrintable(QString::number(n)));
        // Each topic once: a duplicate anchor would send F1 to the wrong place.
        QRegularExpression ancora("<a name=\"t(\\d+)\">");
        QStringList visti;
        for (auto it = ancora.globalMatch(html); it.hasNext();) visti << it.next().captured(1);
        QCOMPARE(visti.size(), attesi.size());
        visti.removeDuplicates();
        QCOMPARE(visti.size(), attesi.size());
        // A mode outside the table falls back on the navigation topic.
        QCOMPARE(FinestraHelp::argomentoModo(-1), 100);
        QCOMPARE(FinestraHelp::argomentoModo(10), 100);
    }

    // F1 wherever the focus is, on a fresh main window in each mode.
    void f1ApreLArgomentoDelModo() {
        const int argomenti[10] = {200, 600, 300, 400, 500, 100, 700, 800, 1100, 950};
        for (int modo = 0; modo < 10; ++modo) {
            Ambiente a;
            a.conDizionario();
            Form1& f = a.avvia();
            f.Option1_Click(modo);
            QCOMPARE(f.ModoCorrente, modo);
            QWidget* bersaglio = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
            QTest::keyClick(bersaglio, Qt::Key_F1);
            FinestraHelp& h = finestraHelp(f);
            QVERIFY(h.isVisible());
            QCOMPARE(h.windowTitle(), QString("Guida di Verbolario"));
            QCOMPARE(h.argomento(), argomenti[modo]);
            QCOMPARE(h.source().fragment(), QString("t%1").arg(argomenti[modo]));
            QVERIFY(h.toPlainText().contains("Guida di Verbolario"));
        }
    }

    void voceDiMenuEF1RiusanoLaStessaFinestra() {
        Ambiente a;
        a.conDizionario();
        Form1& f = a.avvia();
        installaFinestre(f); // a second install must not open the window twice per request
        f.Option1_Click(7);
        emit f.richiestaHelp();
        FinestraHelp* prima = &finestraHelp(f);
        QCOMPARE(prima->argomento(), 800);
        f.Option1_Click(9);
        QTest::keyClick(&f, Qt::Key_F1);
        QCOMPARE(&finestraHelp(f), prima);
        QCOMPARE(prima->argomento(), 950);
        QCOMPARE(prima->source().fragment(), QString("t950"));
        QCOMPARE(f.findChildren<FinestraHelp*>().size(), 1);
    }
};

QTEST_MAIN(FinestraHelpTest)
#include "FinestraHelpTest.moc"
