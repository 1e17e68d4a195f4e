// Start-up, settings round trip and the exit questions of the main window.

#include "AmbienteForm1.h"

#include "mainform/ColonnaModi.h"
#include "mainform/ImpostazioniForm1.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;
using prova::clic;
using R = Dialoghi::Risposta;

namespace {
QSize dimensionePredefinita() {
    QScreen* s = QGuiApplication::primaryScreen();
    return {qRound(ImpostazioniForm1::twipsInPixel(9600, s)),
            qRound(ImpostazioniForm1::twipsInPixel(7000, s))};
}
bool sulloSchermo(const QWidget& w) {
    return QGuiApplication::primaryScreen()->availableGeometry().contains(w.geometry());
}
} // namespace

class Form1AvvioTest : public QObject {
    Q_OBJECT

private slots:

    // The first start with no settings, then a start over what the first one stored.
    void primoAvvioERiavvio() {
        Ambiente a;
        a.conDizionario();
        Form1& f = a.avvia();
        QVERIFY(a.ctx->dialoghi.registro.empty());
        QVERIFY(f.ModoCorrente == 5 && f.Option1(5)->isChecked() && f.ckOrder->isChecked() &&
                f.CkFilter->isChecked());
        QVERIFY(!f.Check2->isChecked() && !f.Check3->isChecked() && !f.CkDoppie->isChecked());
        QCOMPARE(f.windowTitle(), QString("Verbolario  ->  7 voci nel dizionario"));
        QCOMPARE(f.size(), dimensionePredefinita());
        const QPoint centro = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((f.frameGeometry().center() - centro).manhattanLength() <= 8);

        f.Option1_Click(7);
        clic(f.Check2);
        clic(f.ckOrder);
        f.TxtMeno->setText(QString::fromUtf8("ABC\u00C8"));
        f.superficie.coloreMessaggi = 0x123456;
        f.giochi.maxTime = 45;
        QVERIFY(a.chiudi());
        QVERIFY(a.ctx->dialoghi.registro.empty()); // the dictionary is unchanged: nothing asked
        QCOMPARE(a.leggi("Pos", "FHeight"), std::string("7000"));
        // No pool was stored at the first start: the computed one is.
        QVERIFY(!a.ctx->statistiche.stringaLettere.empty());
        QCOMPARE(a.leggi("String", "Stringa"), a.ctx->statistiche.stringaLettere);
        // The recorded dictionary is only written when the user makes one the default.
        QCOMPARE(a.leggi("Dizionario", "Dizionario"), std::string("<assente>"));

        Form1& g = a.avvia();
        QVERIFY(g.ModoCorrente == 7 && g.Check2->isChecked() && a.ctx->modoCommento &&
                !g.ckOrder->isChecked());
        QCOMPARE(g.TxtMeno->text(), QString::fromUtf8("ABC\u00C8"));
        QVERIFY(g.superficie.coloreMessaggi == 0x123456u && g.giochi.maxTime == 45);
        g.resize(700, 500);
        g.move(40, 30);
        QVERIFY(a.chiudi());
        Form1& h = a.avvia();
        QCOMPARE(h.frameGeometry().topLeft(), QPoint(40, 30));
        QCOMPARE(h.size(), QSize(700, 500));
        // Closed while maximised: the stored position and size stay as they were.
        h.showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(a.chiudi());
        QCOMPARE(a.leggi("Pos", "FWidth"), std::string("10500"));
        QCOMPARE(a.leggi("Pos", "FLeft"), std::string("600"));
    }

    // Stored values the dictionary or the screen cannot honour are brought within range.
    void impostazioniCorrette_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        auto riga = [](const char* nome, const char* ini, int min, int max) {
            QTest::newRow(nome) << QByteArray(ini) << min << max;
        };
        // The longest entry has 26 letters.
        riga("min vicino a max", "[Opzioni]\r\nMin=10\r\nMax=11\r\n", 9, 11);
        riga("min troppo basso", "[Opzioni]\r\nMin=1\r\nMax=11\r\n", 3, 11);
        riga("max oltre la parola piu lunga", "[Opzioni]\r\nMin=4\r\nMax=40\r\n", 4, 26);
        riga("nessun valore", "", 3, 26);
        riga("fuori schermo", "[Pos]\r\nFLeft=140000\r\nFTop=-140000\r\nFWidth=9600\r\n", 3, 26);
    }

    void impostazioniCorrette() {
        QFETCH(QByteArray, ini);
        QFETCH(int, min);
        QFETCH(int, max);
        Ambiente a;
        a.conDizionario();
        if (!ini.isEmpty()) a.conIni(ini);
        Form1& f = a.avvia();
        QVERIFY2(f.giochi.min == min && f.giochi.max == max,
                 qPrintable(QString("%1..%2").arg(f.giochi.min).arg(f.giochi.max)));
        QVERIFY(f.isVisible() && sulloSchermo(f));
    }

    void valoriAssurdiTornanoAlPredefinito() {
        Ambiente a;
        a.conDizionario();
        a.conIni("[Opzioni]\r\nOption=abc\r\nCommento=7\r\nColor=999\r\nClrComment=-4\r\n"
                 "Filter=1\r\nOrder=0\r\nMaxTime=1e300\r\n"
                 "[Pos]\r\nFWidth=-5\r\nFHeight=99999999999999999999999\r\nFLeft=x\r\nFTop=\r\n"
                 "[String]\r\nStringa=12\xE8\r\n");
        Form1& f = a.avvia();
        QVERIFY(f.ModoCorrente == 5 && !f.Check2->isChecked() && f.CkFilter->isChecked() &&
                !f.ckOrder->isChecked());
        QVERIFY(f.superficie.coloreSfondo == 255 && f.superficie.coloreMessaggi == 0xC3C3C2u &&
                f.giochi.maxTime == 30);
        QVERIFY(f.size() == dimensionePredefinita() && sulloSchermo(f));
        // A pool that is not made of capitals is not the letter game's pool.
        const std::string& pool = a.ctx->statistiche.stringaLettere;
        QVERIFY(!pool.empty() && pool.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == pool.npos);
    }

    // Closing with a changed dictionary: the question, its default, and what each answer does.
    void uscita_data() {
        QTest::addColumn<QString>("avviso"); // what the question adds after a clean-up
        QTest::addColumn<R>("risposta");
        QTest::addColumn<QByteArray>("file");
        const QByteArray salvato =
            "anna\r\nape\r\ncane\r\ncasa\r\ncitt\xE0\r\n"
            "precipitevolissimevolmente\r\nprivo\r\nprova\r\nradar\r\nzebra\r\n";
        const QByteArray intatto = prova::kDizionario;
        QTest::newRow("annulla") << QString() << R::Annulla << intatto;
        QTest::newRow("si") << QString() << R::Si << salvato;
        QTest::newRow("no dopo accenti eliminati") << prova::kSenzaAccenti << R::No << intatto;
        QTest::newRow("no dopo formattazione")
            << "\nE' stata eseguita la formattazione del dizionario in uso!\n"
            << R::No << intatto;
    }

    void uscita() {
        QFETCH(QString, avviso);
        QFETCH(R, risposta);
        QFETCH(QByteArray, file);
        Ambiente a;
        a.conDizionario();
        Form1& f = a.avvia();
        a.ctx->voci.append("zebra");
        a.ctx->voci.append("ape");
        a.ctx->dizionarioModificato = true;
        a.ctx->accentiEliminati = avviso.contains("accenti");
        a.ctx->dizionarioRiformattato = avviso.contains("formattazione");
        a.risposte = {risposta};
        QCOMPARE(a.chiudi(), risposta != R::Annulla);
        QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
        const Dialoghi::Richiesta& d = a.ultima();
        QCOMPARE(d.testo, prova::kSalvo + avviso);
        QVERIFY(d.pulsanti == Dialoghi::Pulsanti::SiNoAnnulla &&
                d.icona == Dialoghi::Icona::Domanda);
        QCOMPARE(d.predefinito, avviso.isEmpty() ? 0 : 1);
        QCOMPARE(prova::leggiFile(a.cartella + "/dizionario.dic"), file);
        if (risposta != R::Annulla) return;
        // Nothing written while the program keeps running.
        QVERIFY(f.isVisible() && a.ini() == "<assente>");
        // The anagram search over the whole dictionary holds a scrambled copy: never saved.
        a.ctx->anagrammiInCorso = true;
        QVERIFY(a.chiudi());
        QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
    }

    void dizionarioRegistratoSparito() {
        Ambiente a;
        a.conDizionario();
        a.conRegistrato("sparito.dic", "[String]\r\nStringa=ABC\r\nA=1\r\n");
        a.risposte = {R::Si};
        a.avvia();
        QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
        QCOMPARE(a.ultima().testo, prova::kSparito);
        QVERIFY(a.ctx->dizionarioSostituito && a.ctx->voci.size() == 8);
        // The default file's own statistics, not the stored pool of the lost dictionary.
        QVERIFY(a.ctx->statistiche.stringaLettere != "ABC");
        a.risposte = {R::Si};
        QVERIFY(a.chiudi());
        QCOMPARE(a.ultima().testo, prova::kPredefinito);
        QCOMPARE(QString::fromStdString(a.leggi("Dizionario", "Dizionario")),
                 a.cartella + "/dizionario.dic");
        QCOMPARE(a.leggi("String", "Stringa"), a.ctx->statistiche.stringaLettere);
    }

    // A folder holds the settings file's name: the program still runs and closes.
    void impostazioniNonScrivibili() {
        Ambiente a;
        a.conDizionario();
        QVERIFY(QDir(a.cartella).mkdir("Verbolario.ini"));
        QVERIFY(a.avvia().isVisible() && a.chiudi());
    }

    // A stop request raised by an event (the stop button) reaches a loop that only polls.
    void pollLasciaPassareGliEventi() {
        Contesto ctx(QDir::tempPath());
        PollEventi poll(ctx);
        QTimer::singleShot(30, [&ctx] { ctx.interrompi = true; });
        QDeadlineTimer limite(5000);
        while (!poll.stop() && !limite.hasExpired()) {
        }
        QVERIFY(ctx.interrompi);
    }

    void testoCp1252() {
        using namespace verbolario::testo;
        QCOMPARE(daCp1252("citt\xE0 \x80 \x93x\x94"),
                 QString::fromUtf8("citt\u00E0 \u20AC \u201Cx\u201D"));
        QCOMPARE(aCp1252(QString::fromUtf8("perch\u00E9 \u20AC")), std::string("perch\xE9 \x80"));
        // What the code page cannot hold becomes '?', never a refusal or a lost character.
        QCOMPARE(aCp1252(QString::fromUtf8("\u4E2D\u00E8")), std::string("?\xE8"));
    }
};

QTEST_MAIN(Form1AvvioTest)
#include "Form1AvvioTest.moc"
