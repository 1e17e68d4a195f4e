// Start-up, settings round trip and the exit questions of the main window.

#include "AmbienteForm1.h"

#include "mainform/ColonnaModi.h"
#include "mainform/ImpostazioniForm1.h"

#include "PollEventi.h"
#include "TestoCp.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;
using R = Dialoghi::Risposta;

class Form1AvvioTest : public QObject {
    Q_OBJECT
private slots:
    void primoAvvioConValoriPredefiniti();
    void impostazioniTornanoAlRiavvio();
    void lunghezzeCorrette_data();
    void lunghezzeCorrette();
    void valoriAssurdiTornanoAlPredefinito();
    void posizioneFuoriSchermoRestaVisibile();
    void uscitaAnnullataRestaAperta();
    void uscitaConSalvataggio();
    void domandaPiuLungaDopoAccentiEliminati();
    void dizionarioRegistratoSparito();
    void impostazioniNonScrivibili();
    void pollLasciaPassareGliEventi();
    void testoCp1252();
};

void Form1AvvioTest::primoAvvioConValoriPredefiniti() {
    Ambiente a;
    a.conDizionario();
    Form1& f = a.avvia();
    QVERIFY(a.ctx->dialoghi.registro.empty());
    QCOMPARE(f.ModoCorrente, 5);
    QVERIFY(f.Option1(5)->isChecked());
    QVERIFY(f.ckOrder->isChecked());
    QVERIFY(f.CkFilter->isChecked());
    QVERIFY(!f.Check2->isChecked());
    QVERIFY(!f.Check3->isChecked());
    QVERIFY(!f.CkDoppie->isChecked());
    QCOMPARE(f.windowTitle(), QString("Verbolario  ->  7 voci nel dizionario"));
    // The statistics were computed: no pool was stored.
    QVERIFY(!a.ctx->statistiche.stringaLettere.empty());

    QScreen* s = QGuiApplication::primaryScreen();
    QSize atteso(qRound(ImpostazioniForm1::twipsInPixel(9600, s)),
                 qRound(ImpostazioniForm1::twipsInPixel(7000, s)));
    QCOMPARE(f.size(), atteso);
    QPoint centro = s->geometry().center();
    QVERIFY(qAbs(f.frameGeometry().center().x() - centro.x()) <= 4);
    QVERIFY(qAbs(f.frameGeometry().center().y() - centro.y()) <= 4);

    QVERIFY(a.chiudi());
    QVERIFY(a.ctx->dialoghi.registro.empty()); // nothing changed, nothing asked
    QCOMPARE(a.leggi("Opzioni", "Option"), std::string("5"));
    QCOMPARE(a.leggi("Pos", "FWidth"), std::string("9600"));
    QCOMPARE(a.leggi("Pos", "FHeight"), std::string("7000"));
    QCOMPARE(a.leggi("String", "Stringa"), a.ctx->statistiche.stringaLettere);
    QVERIFY(a.leggi("String", "a") != "<assente>");
    // The recorded dictionary is only written when the user makes one the default.
    QCOMPARE(a.leggi("Dizionario", "Dizionario"), std::string("<assente>"));
}

void Form1AvvioTest::impostazioniTornanoAlRiavvio() {
    Ambiente a;
    a.conDizionario();
    {
        Form1& f = a.avvia();
        f.Option1_Click(7);
        QTest::mouseClick(f.Check2, Qt::LeftButton, {}, QPoint(8, f.Check2->height() / 2));
        QTest::mouseClick(f.ckOrder, Qt::LeftButton, {}, QPoint(8, f.ckOrder->height() / 2));
        f.TxtMeno->setText(QString::fromUtf8("ABC\u00C8"));
        f.superficie.coloreMessaggi = 0x123456;
        f.giochi.maxTime = 45;
        f.resize(700, 500);
        f.move(40, 30);
        QVERIFY(a.chiudi());
    }
    Form1& g = a.avvia();
    QCOMPARE(g.ModoCorrente, 7);
    QVERIFY(g.Check2->isChecked());
    QVERIFY(a.ctx->modoCommento);
    QVERIFY(!g.ckOrder->isChecked());
    QCOMPARE(g.TxtMeno->text(), QString::fromUtf8("ABC\u00C8"));
    QCOMPARE(g.superficie.coloreMessaggi, 0x123456u);
    QCOMPARE(g.giochi.maxTime, int64_t(45));
    QCOMPARE(g.frameGeometry().topLeft(), QPoint(40, 30));
    QCOMPARE(g.size(), QSize(700, 500));
    // Closed while maximised: the stored position and size stay as they were.
    g.showMaximized();
    QCoreApplication::processEvents();
    QVERIFY(a.chiudi());
    QCOMPARE(a.leggi("Pos", "FWidth"), std::string("10500"));
    QCOMPARE(a.leggi("Pos", "FLeft"), std::string("600"));
}

void Form1AvvioTest::lunghezzeCorrette_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    // The longest entry has 26 letters.
    QTest::newRow("min vicino a max") << QByteArray("[Opzioni]\r\nMin=10\r\nMax=11\r\n") << 9 << 11;
    QTest::newRow("min troppo basso") << QByteArray("[Opzioni]\r\nMin=1\r\nMax=11\r\n") << 3 << 11;
    QTest::newRow("max oltre la parola piu lunga")
        << QByteArray("[Opzioni]\r\nMin=4\r\nMax=40\r\n") << 4 << 26;
    QTest::newRow("nessun valore") << QByteArray() << 3 << 26;
}

void Form1AvvioTest::lunghezzeCorrette() {
    QFETCH(QByteArray, ini);
    QFETCH(int, min);
    QFETCH(int, max);
    Ambiente a;
    a.conDizionario();
    if (!ini.isEmpty()) a.conIni(ini);
    Form1& f = a.avvia();
    QCOMPARE(f.giochi.min, int64_t(min));
    QCOMPARE(f.giochi.max, int64_t(max));
}

void Form1AvvioTest::valoriAssurdiTornanoAlPredefinito() {
    Ambiente a;
    a.conDizionario();
    a.conIni("[Opzioni]\r\nOption=abc\r\nCommento=7\r\nColor=999\r\nClrComment=-4\r\n"
             "Filter=1\r\nOrder=0\r\nMaxTime=1e300\r\n"
             "[Pos]\r\nFWidth=-5\r\nFHeight=99999999999999999999999\r\nFLeft=x\r\nFTop=\r\n"
             "[String]\r\nStringa=12\xE8\r\n");
    Form1& f = a.avvia();
    QCOMPARE(f.ModoCorrente, 5);
    QVERIFY(!f.Check2->isChecked());
    QCOMPARE(f.superficie.coloreSfondo, 255);
    QCOMPARE(f.superficie.coloreMessaggi, 0xC3C3C2u);
    QCOMPARE(f.giochi.maxTime, int64_t(30));
    QVERIFY(f.CkFilter->isChecked());
    QVERIFY(!f.ckOrder->isChecked());
    QScreen* s = QGuiApplication::primaryScreen();
    QCOMPARE(f.width(), qRound(ImpostazioniForm1::twipsInPixel(9600, s)));
    QCOMPARE(f.height(), qRound(ImpostazioniForm1::twipsInPixel(7000, s)));
    QVERIFY(s->availableGeometry().contains(f.geometry()));
    // A pool that is not made of capitals is not the letter game's pool.
    QVERIFY(!a.ctx->statistiche.stringaLettere.empty());
    QVERIFY(a.ctx->statistiche.stringaLettere.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") ==
            std::string::npos);
}

void Form1AvvioTest::posizioneFuoriSchermoRestaVisibile() {
    Ambiente a;
    a.conDizionario();
    a.conIni("[Pos]\r\nFLeft=140000\r\nFTop=-140000\r\nFWidth=9600\r\nFHeight=7000\r\n");
    Form1& f = a.avvia();
    QScreen* s = QGuiApplication::primaryScreen();
    QVERIFY(s->availableGeometry().contains(f.geometry()));
    QVERIFY(f.isVisible());
}

void Form1AvvioTest::uscitaAnnullataRestaAperta() {
    Ambiente a;
    a.conDizionario();
    Form1& f = a.avvia();
    a.ctx->dizionarioModificato = true;
    a.risposte = {R::Annulla};
    QVERIFY(!a.chiudi());
    QVERIFY(f.isVisible());
    QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
    const Dialoghi::Richiesta& d = a.ctx->dialoghi.registro.back();
    QCOMPARE(d.testo, QString("Salvo le modifiche fatte al dizionario?"));
    QCOMPARE(d.pulsanti, Dialoghi::Pulsanti::SiNoAnnulla);
    QCOMPARE(d.icona, Dialoghi::Icona::Domanda);
    QCOMPARE(d.predefinito, 0);
    QCOMPARE(a.ini(), QByteArray()); // nothing written while the program keeps running
    // The anagram search over the whole dictionary holds a scrambled copy: never saved.
    a.ctx->anagrammiInCorso = true;
    QVERIFY(a.chiudi());
    QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
}

void Form1AvvioTest::uscitaConSalvataggio() {
    Ambiente a;
    a.conDizionario();
    a.avvia();
    a.ctx->voci.append("zebra");
    a.ctx->voci.append("ape");
    a.ctx->dizionarioModificato = true;
    a.risposte = {R::Si};
    QVERIFY(a.chiudi());
    QFile f(a.cartella + "/dizionario.dic");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray atteso = "anna\r\nape\r\ncane\r\ncasa\r\ncitt\xE0\r\nprecipitevolissimevolmente\r\n"
                        "privo\r\nprova\r\nradar\r\nzebra\r\n";
    QCOMPARE(f.readAll(), atteso);
}

void Form1AvvioTest::domandaPiuLungaDopoAccentiEliminati() {
    Ambiente a;
    a.conDizionario();
    a.avvia();
    a.ctx->dizionarioModificato = true;
    a.ctx->accentiEliminati = true;
    a.risposte = {R::No};
    QVERIFY(a.chiudi());
    const Dialoghi::Richiesta& d = a.ctx->dialoghi.registro.back();
    QVERIFY(d.testo.contains("Sono stati eliminati gli accenti dal dizionario in uso!"));
    QCOMPARE(d.predefinito, 1);
    QFile f(a.cartella + "/dizionario.dic");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(prova::kDizionario)); // "No" leaves the file alone
}

void Form1AvvioTest::dizionarioRegistratoSparito() {
    Ambiente a;
    a.conDizionario();
    a.conIni("[Dizionario]\r\nDizionario=" + QFile::encodeName(a.cartella) +
             "/sparito.dic\r\n[String]\r\nStringa=ABC\r\nA=1\r\n");
    a.risposte = {R::Si};
    Form1& f = a.avvia();
    QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(1));
    QCOMPARE(a.ctx->dialoghi.registro[0].testo,
             QString::fromUtf8("L'ultimo dizionario usato non \u00E8 pi\u00F9 presente!\n"
                               "Carico quello predefinito?"));
    QVERIFY(a.ctx->dizionarioSostituito);
    QCOMPARE(a.ctx->voci.size(), size_t(8));
    // The default file's own statistics, not the stored pool of the lost dictionary.
    QVERIFY(a.ctx->statistiche.stringaLettere != "ABC");
    Q_UNUSED(f);
    a.risposte = {R::Si};
    QVERIFY(a.chiudi());
    QCOMPARE(a.ctx->dialoghi.registro.back().testo,
             QString("Devo considerare l'attuale il dizionario predefinito?"));
    QCOMPARE(QString::fromStdString(a.leggi("Dizionario", "Dizionario")),
             a.cartella + "/dizionario.dic");
    QCOMPARE(a.leggi("String", "Stringa"), a.ctx->statistiche.stringaLettere);
}

void Form1AvvioTest::impostazioniNonScrivibili() {
    // The settings file cannot be written (a folder holds its name): the program still runs
    // and closes.
    Ambiente a;
    a.conDizionario();
    QVERIFY(QDir(a.cartella).mkdir("Verbolario.ini"));
    Form1& f = a.avvia();
    QVERIFY(f.isVisible());
    QVERIFY(a.chiudi());
}

void Form1AvvioTest::pollLasciaPassareGliEventi() {
    // A stop request raised by an event (the stop button) reaches a loop that only polls.
    Contesto ctx(QDir::tempPath());
    PollEventi poll(ctx);
    QTimer::singleShot(30, [&ctx] { ctx.interrompi = true; });
    QElapsedTimer t;
    t.start();
    int64_t giri = 0;
    while (!poll.stop() && t.elapsed() < 2000) ++giri;
    QVERIFY(ctx.interrompi);
    QVERIFY(t.elapsed() < 200);
    QVERIFY(giri > 1000); // most calls are only a counter
}

void Form1AvvioTest::testoCp1252() {
    using namespace verbolario::testo;
    QCOMPARE(daCp1252("citt\xE0 \x80 \x93x\x94"),
             QString::fromUtf8("citt\u00E0 \u20AC \u201Cx\u201D"));
    QCOMPARE(aCp1252(QString::fromUtf8("perch\u00E9 \u20AC")), std::string("perch\xE9 \x80"));
    // What the code page cannot hold becomes '?', never a refusal or a lost character.
    QCOMPARE(aCp1252(QString::fromUtf8("\u4E2D\u00E8")), std::string("?\xE8"));
}

QTEST_MAIN(Form1AvvioTest)
#include "Form1AvvioTest.moc"
