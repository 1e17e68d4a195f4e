// Start-up paths: the splash during the load, and the options window that leads a user with
// no dictionary to find or create one before the main window opens.

#include "mainform/AmbienteForm1.h"

#include "TraduzioniQt.h"

#include "windows/frmOpt.h"
#include "windows/frmSplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;
using R = Dialoghi::Risposta;

namespace {

// The options window of start-up, checked to be the program's only window.
frmOpt& soloOpzioni(Ambiente& a) {
    a.avviaProgramma();
    frmOpt* o = a.programma->opzioni();
    [&] { QVERIFY(a.continua && !a.finestra && o && o->isVisible()); }();
    return *o;
}

} // namespace

class ProgrammaTest : public QObject {
    Q_OBJECT

private slots:

    // Qt's own dialogs speak Italian where Qt's translations are installed; a folder without
    // them changes nothing and reports nothing.
    void dialoghiDiQtInItaliano() {
        auto testo = [](const char* contesto, const char* originale) {
            return QCoreApplication::translate(contesto, originale);
        };
        QTemporaryDir vuota;
        QVERIFY(!installaTraduzioniQt(*qApp, vuota.path()));
        QCOMPARE(testo("QFileDialog", "Look in:"), QString("Look in:"));
        if (!installaTraduzioniQt(*qApp)) QSKIP("Qt's Italian translations are not installed");
        QCOMPARE(testo("QFileDialog", "Look in:"), QString("Cerca in:"));
        QCOMPARE(testo("QFileDialog", "File &name:"), QString("&Nome del file:"));
        QCOMPARE(testo("QPlatformTheme", "Cancel"), QString("Annulla"));
    }

    void splashDuranteIlCaricamento() {
        Ambiente a;
        a.conDizionario();
        bool vista = false;
        // The first pending events run with the splash up, before the load starts.
        QTimer::singleShot(0, [&] {
            frmSplash* s = a.programma->splash();
            vista = s && s->isVisible() && s->Label3->isVisible();
        });
        QVERIFY(a.avvia().isVisible() && vista);
        QCOMPARE(a.programma->splash(), nullptr); // gone once the main window is up
    }

    void exitSulloSplashChiudeTutto() {
        Ambiente a;
        a.conDizionario();
        QTimer::singleShot(0, [&] { a.programma->splash()->Command1->click(); });
        a.avviaProgramma();
        QVERIFY(!a.continua && !a.finestra && a.ctx->voci.empty() && !a.programma->splash());
        QCOMPARE(a.ini(), QByteArray("<assente>")); // nothing recorded: the program never ran
    }

    void senzaDizionarioSoloOpzioni_data() {
        QTest::addColumn<bool>("predefinito");
        QTest::addColumn<bool>("registrato");
        QTest::newRow("nessun file") << false << false;
        QTest::newRow("registrato sparito, predefinito rifiutato") << true << true;
        QTest::newRow("registrato sparito, nessun predefinito") << false << true;
    }

    void senzaDizionarioSoloOpzioni() {
        QFETCH(bool, predefinito);
        QFETCH(bool, registrato);
        Ambiente a;
        if (predefinito) a.conDizionario();
        if (registrato) a.conRegistrato("sparito.dic");
        a.risposte = {R::No};
        frmOpt& o = soloOpzioni(a);
        QCOMPARE(a.ctx->dialoghi.beepSuonati, 1);
        // The question comes only when there is a default to offer.
        QCOMPARE(a.ctx->dialoghi.registro.size(), size_t(predefinito ? 1 : 0));
        if (predefinito) QCOMPARE(a.ultima().testo, prova::kSparito);
        QCOMPARE(o.ruolo(), frmOpt::Ruolo::Dizionario);
        QVERIFY(!o.Frame6->isVisible() && o.Label1->isVisible() && o.argomentoHelp() == 1000);
        QCOMPARE(o.Label1->text(), frmOpt::kAvviso);
        for (QPushButton* b : o.Command1) QVERIFY(b->isVisible());
        QCOMPARE(o.focusWidget(), o.Command1[1]);
        QCOMPARE(a.fini, 0);
    }

    // Cancelled, then a folder picked, then a real file: only the file opens the main window.
    void cercaDizionario() {
        Ambiente a;
        QDir(a.cartella).mkdir("cartella.dic");
        a.scrivi("mio.txt", "zeta\r\nalfa\r\nbeta\r\n");
        frmOpt& o = soloOpzioni(a);
        o.Command1_Click(1);
        QCOMPARE(a.ultima().testo, QString("Cerca un dizionario."));
        QVERIFY(a.ultima().filtri.startsWith("Dizionari  *.dic"));
        a.scegliFile("cartella.dic");
        o.Command1_Click(1);
        QVERIFY(a.ultima().tipo == Dialoghi::Tipo::Messaggio &&
                a.ultima().testo.contains("cartella"));
        QVERIFY(o.isVisible() && !a.programma->form1() && !a.ctx->dizionarioSostituito);

        a.scegliFile("mio.txt");
        o.Command1[1]->click();
        a.finestra = a.programma->form1();
        QVERIFY(a.finestra && a.finestra->isVisible() && !o.isVisible() && a.fini == 0);
        QVERIFY(!a.ctx->statistiche.stringaLettere.empty());
        QCOMPARE(a.finestra->windowTitle(), QString("Verbolario  ->  2 voci nel dizionario"));
        QCOMPARE(a.ultima().testo,
                 QString::fromUtf8("Nel caso il file caricato non rispetti il formato previsto\n"
                                   "ricordo che \u00E8 possibile formattarlo selezionando il "
                                   "men\u00F9 Formatta e ordina..."));
        // The exit offers to make the found file the default, and records it on Yes.
        a.risposte = {R::Si};
        QVERIFY(a.chiudi());
        QCOMPARE(a.ultima().testo, prova::kPredefinito);
        QCOMPARE(QString::fromStdString(a.leggi("Dizionario", "Dizionario")),
                 a.cartella + "/mio.txt");
    }

    void creaDizionarioScriveIlModello() {
        Ambiente a;
        frmOpt& o = soloOpzioni(a);
        QString aperto;
        o.apriConProgramma = [&](const QString& p) { return !(aperto = p).isEmpty(); };
        o.Command1[0]->click();
        QCOMPARE(aperto, a.cartella + "/dizionario.dic");
        QCOMPARE(
            prova::leggiFile(aperto),
            QByteArray("          \r\nISTRUZIONI PER LA COMPILAZIONE\r\n\r\n"
                       " Inserire una parola per ogni riga quindi ritornare a capo.\r\n"
                       " Per la ricerca di rime \xE8 fondamentale una corretta accentazione.\r\n"
                       "\r\n \xE0"
                       "baco\r\n \xE0"
                       "bile\r\n abband\xF3no\r\n .....\r\n\r\n"
                       " PRIMA DI UTILIZZARE IL DIZIONARIO CANCELLARE QUESTE ISTRUZIONI!!!\r\n"));
        QCOMPARE(a.fini, 1);
    }

    // The recorded dictionary lived in a folder that is gone: the user is told and the program
    // stays, instead of ending with nothing made.
    void creaDizionarioInCartellaMancante() {
        Ambiente a;
        a.conRegistrato("via/mio.dic");
        frmOpt& o = soloOpzioni(a);
        bool aperto = false;
        o.apriConProgramma = [&](const QString&) { return aperto = true; };
        o.Command1_Click(0);
        QCOMPARE(a.ultima().icona, Dialoghi::Icona::Stop);
        QVERIFY(!aperto && o.isVisible() && a.fini == 0);
    }

    void fineEChiusuraTerminano_data() {
        QTest::addColumn<int>("comando"); // -1: the window's close button
        QTest::newRow("Fine") << 2;
        QTest::newRow("OK") << 3;
        QTest::newRow("chiusura") << -1;
    }

    void fineEChiusuraTerminano() {
        QFETCH(int, comando);
        Ambiente a;
        frmOpt& o = soloOpzioni(a);
        if (comando < 0)
            o.close();
        else
            o.Command1[static_cast<size_t>(comando)]->click();
        QVERIFY(!o.isVisible() && !a.programma->form1());
        QCOMPARE(a.fini, 1);
        QVERIFY(!QFileInfo::exists(a.cartella + "/dizionario.dic"));
    }
};

QTEST_MAIN(ProgrammaTest)
#include "ProgrammaTest.moc"
