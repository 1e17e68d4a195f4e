// The "Enigmistica" window: opened from the Help menu, one search per relation, the keys,
// stopping, the word orders built behind it, the list's menu, double click, F1 and the
// settings it keeps.

#include "NomiAccessibili.h"
#include "mainform/AmbienteForm1.h"

#include "IndiciInFondo.h"
#include "mainform/ComandiForm1.h"
#include "mainform/IndiciForm1.h"
#include "mainform/MenuForm1.h"
#include "windows/FinestraEnigmistica.h"
#include "windows/FinestraHelp.h"
#include "windows/FinestreAusiliarie.h"
#include "windows/MenuEnigmistica.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>

#include <algorithm>

using namespace verbolario;

namespace {

const QByteArray kParole = "cane\r\ncagne\r\ncanne\r\ncarne\tdi manzo\r\ncarro\r\ncaro\r\n"
                           "portafoglio\r\nporta\r\nfoglio\r\npor\r\nta\r\narpa\r\napra\r\n"
                           "rapa\r\npara\r\nramo\r\namor\r\norma\r\ncapo\r\npolo\r\ncalo\r\n"
                           "pastore\r\npare\r\nsto\r\ncitt\xE0\r\nl'arpa\r\n";

QStringList righe(FinestraEnigmistica& w) {
    QStringList out;
    for (int i = 0; i < w.modello().rowCount(); ++i) out << w.modello().testo(i);
    return out;
}

} // namespace

class FinestraEnigmisticaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::Ambiente> a_;
    Form1* f_ = nullptr;

    FinestraEnigmistica& avvia(const QByteArray& dizionario = kParole) {
        a_ = std::make_unique<prova::Ambiente>();
        a_->scrivi("dizionario.dic", dizionario);
        f_ = &a_->avvia();
        installaFinestre(*f_);
        return apriEnigmistica(*f_);
    }

    // Chooses a relation, types the text and presses the start button.
    void cerca(FinestraEnigmistica& w, Relazione r, const QString& testo) {
        w.Scelta->setCurrentIndex(static_cast<int>(r));
        w.Testo->setText(testo);
        QTest::mouseClick(w.Avvio, Qt::LeftButton);
    }

private slots:
    void cleanup() { a_.reset(); }

    void siApreDalMenuHelpUnaVoltaSola() {
        avvia().close();
        f_->menu().mnhlp_Click(12);
        auto* w = f_->findChild<FinestraEnigmistica*>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(verbolario::prova::senzaNomeAccessibile(w), QString());
        f_->menu().mnhlp_Click(12);
        QCOMPARE(f_->findChildren<FinestraEnigmistica*>().size(), 1);
    }

    void unaRicercaPerRelazione() {
        FinestraEnigmistica& w = avvia();
        struct Caso {
            Relazione r;
            const char* testo;
            QStringList righe;
            const char* stato;
        };
        // What each relation finds is the engine's; here the choice reaches it and its
        // answer shows.
        const Caso casi[] = {
            {Relazione::Zeppa, "cane", {"cagne", "canne", "carne\tdi manzo"}, "3 zeppe trovate."},
            {Relazione::Scarto, "CARRO", {"caro"}, "Uno scarto trovato."},
            {Relazione::Bifronte, "", {"apra arpa"}, "Una coppia bifronte trovata."},
        };
        for (const Caso& c : casi) {
            cerca(w, c.r, QString::fromLatin1(c.testo));
            QCOMPARE(righe(w), c.righe);
            QCOMPARE(w.stato(), QString(c.stato));
        }
        // The options of a relation show only with it, and count.
        QVERIFY(!w.TreParti->isVisible());
        w.Scelta->setCurrentIndex(static_cast<int>(Relazione::Sciarada));
        QVERIFY(w.TreParti->isVisible() && !w.Parole->isVisible());
        w.TreParti->setChecked(true);
        cerca(w, Relazione::Sciarada, "portafoglio");
        QCOMPARE(righe(w), QStringList{"por ta foglio"});
        w.Scelta->setCurrentIndex(static_cast<int>(Relazione::Frase));
        w.Minimo->setValue(2);
        cerca(w, Relazione::Frase, "portafoglio");
        QCOMPARE(righe(w), (QStringList{"foglio por ta", "foglio porta"}));
        // Nothing typed: the list stays, the user is asked for a word.
        const int beep = a_->ctx->dialoghi.beepSuonati;
        cerca(w, Relazione::Zeppa, "  ");
        QCOMPARE(righe(w).size(), 2);
        QCOMPARE(w.stato(), QString("Scrivi qualcosa . . . . . ."));
        QCOMPARE(a_->ctx->dialoghi.beepSuonati, beep + 1);
    }

    // Enter starts wherever the focus is; a double click searches the line's first word.
    void invioEDoppioClic() {
        FinestraEnigmistica& w = avvia();
        w.Scelta->setCurrentIndex(static_cast<int>(Relazione::Bifronte));
        w.Lista->setFocus();
        QTest::keyClick(w.Lista, Qt::Key_Return);
        QCOMPARE(righe(w), QStringList{"apra arpa"});
        const QRect r = w.Lista->visualRect(w.modello().index(0));
        // The view takes a double click on the row it was pressed on.
        QTest::mousePress(w.Lista->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(w.Lista->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(w.Lista->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(w.Testo->text(), QString("apra"));
        QCOMPARE(righe(w), QStringList{"arpa"});
    }

    // Esc during a long search stops it; the lines found so far stay, and the main window's
    // dictionary commands wait meanwhile.
    void escFermaLaRicerca() {
        QByteArray molte;
        const QByteArray lettere = "aeiors";
        for (char a : lettere)
            for (char b : lettere)
                for (char c : lettere)
                    for (char d : lettere)
                        for (char e : lettere) molte += QByteArray(1, a) + b + c + d + e + "\r\n";
        FinestraEnigmistica& w = avvia(molte);
        bool occupata = false;
        w.poll().suProgresso = [&](int64_t, int64_t) {
            occupata = f_->ctx.ricercaInCorso && f_->ctx.occupato && w.Stop->isVisible();
            QTest::keyClick(w.Stop, Qt::Key_Escape);
            w.poll().suProgresso = {};
        };
        cerca(w, Relazione::Bifronte, "");
        QVERIFY(occupata);
        QVERIFY(w.stato().endsWith("(ricerca interrotta)"));
        QVERIFY(w.modello().rowCount() > 0);
        QVERIFY(!f_->ctx.ricercaInCorso && !f_->ctx.occupato && !f_->ctx.interrompi);
        QVERIFY(w.Avvio->isVisible() && !w.Stop->isVisible());
    }

    // Opening the window queues the word orders behind it; a search before they are there
    // takes its plain pass and never builds them itself.
    void ordiniCostruitiDietroLaFinestra() {
        FinestraEnigmistica& w = avvia();
        IndiciInFondo& b = ComandiForm1::di(*f_)->indici->inFondo();
        QSignalSpy consegnati(&b, &IndiciInFondo::consegnato);
        const Voci& voci = a_->ctx->voci;
        cerca(w, Relazione::Frase, "roma");
        QCOMPARE(righe(w), (QStringList{"amor", "orma", "ramo"}));
        QVERIFY(!IndicePronto(voci, Indice::Parole) ||
                std::any_of(consegnati.begin(), consegnati.end(), [](const QList<QVariant>& a) {
                    return a.at(0).value<Indice>() == Indice::Parole;
                }));
        QVERIFY(QTest::qWaitFor([&b] { return b.fermo(); }, 20000));
        QVERIFY(IndicePronto(voci, Indice::Parole));
        cerca(w, Relazione::Frase, "roma");
        QCOMPARE(righe(w), (QStringList{"amor", "orma", "ramo"}));
    }

    void nonParteMentreLaFinestraPrincipaleLavora() {
        FinestraEnigmistica& w = avvia();
        f_->ctx.ricercaInCorso = true;
        cerca(w, Relazione::Zeppa, "cane");
        f_->ctx.ricercaInCorso = false;
        QCOMPARE(w.modello().rowCount(), 0);
        QVERIFY(w.stato().startsWith("Attendere"));
    }

    void copiaCopiaTuttoESalvaLista() {
        FinestraEnigmistica& w = avvia();
        MenuEnigmistica& m = w.menu();
        m.preparaLista();
        QVERIFY(!m.azioneCopia()->isEnabled() && !m.azioneCopiaTutto()->isEnabled());
        cerca(w, Relazione::Zeppa, "cane");
        w.Lista->selectionModel()->select(w.modello().index(2), QItemSelectionModel::Select);
        w.Lista->selectionModel()->select(w.modello().index(0), QItemSelectionModel::Select);
        m.preparaLista();
        QVERIFY(m.azioneCopia()->isEnabled() && m.azioneSalva()->isEnabled());
        m.azioneCopia()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("cagne\ncarne\tdi manzo"));
        QGuiApplication::clipboard()->clear();
        w.Lista->setFocus();
        QTest::keyClick(w.Lista, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("cagne\ncarne\tdi manzo"));
        m.azioneCopiaTutto()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("cagne\ncanne\ncarne\tdi manzo"));
        a_->scegliFile("lista.txt");
        m.azioneSalva()->trigger();
        QCOMPARE(prova::leggiFile(a_->cartella + "/lista.txt"),
                 QByteArray("cagne\r\ncanne\r\ncarne\tdi manzo\r\n"));
    }

    void accentiNellaCasella() {
        FinestraEnigmistica& w = avvia();
        w.Testo->setText("citt");
        w.menu().menuAccenti()->actions().at(0)->trigger();
        QCOMPARE(w.Testo->text(), QString::fromUtf8("citt\u00E0"));
    }

    void f1ApreLaGuidaAlSuoArgomento() {
        FinestraEnigmistica& w = avvia();
        QTest::keyClick(w.Testo, Qt::Key_F1);
        FinestraHelp& h = finestraHelp(*f_);
        QVERIFY(h.isVisible());
        QCOMPARE(h.argomento(), FinestraHelp::kArgomentoEnigmistica);
        QCOMPARE(h.source().fragment(), QString("t1200"));
        QVERIFY(h.toPlainText().contains("Lucchetto"));
    }

    // The last relation and the window's place come back the next time.
    void relazioneEPosizioneRicordate() {
        FinestraEnigmistica& w = avvia();
        w.Scelta->setCurrentIndex(static_cast<int>(Relazione::Antipodo));
        w.resize(430, 350);
        w.move(40, 30);
        w.close();
        QCOMPARE(a_->leggi("Enigmistica", "Relazione"), std::string("8"));
        QVERIFY(a_->leggi("Enigmistica", "EWidth") != "<assente>");
        delete &w;
        FinestraEnigmistica& di_nuovo = apriEnigmistica(*f_);
        QCOMPARE(di_nuovo.relazione(), Relazione::Antipodo);
        QCOMPARE(di_nuovo.size(), QSize(430, 350));
        QCOMPARE(di_nuovo.frameGeometry().topLeft(), QPoint(40, 30));
    }
};

QTEST_MAIN(FinestraEnigmisticaTest)
#include "FinestraEnigmisticaTest.moc"
