// The timed game in the window: a whole round with a scripted random source and a clock the
// test ticks, time running out, giving up, the letters button, the alarm, a dictionary without
// a round, a stop during the preparation, and the settings window with its round trip.

#include "NomiAccessibili.h"
#include "mainform/AmbienteForm1.h"

#include "CasualeScritto.h"
#include "games/ContoAllaRovescia.h"
#include "games/GiocoCompleta.h"
#include "games/OrologioGioco.h"
#include "games/PannelloParole.h"
#include "games/frmTime.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <deque>

using namespace verbolario;
using prova::Ambiente;
using prova::CasualeScritto;

namespace {

// Lengths 6 to 10, by length then in file order: realtà libertà qualità società comunità
// felicità università.
const QByteArray kParole = "casa\r\ncane\r\ncomunit\xE0\r\nfelicit\xE0\r\nlibert\xE0\r\n"
                           "qualit\xE0\r\nrealt\xE0\r\nsociet\xE0\r\nuniversit\xE0\r\n";

double tra(int i, int n) {
    return (i + 0.5) / n;
}

// "tà" from libertà, then realtà, libertà, libertà again (not shown twice), comunità,
// università.
std::deque<double> partitaTa() {
    return {tra(1, 7), tra(5, 6), tra(0, 7), tra(1, 7), tra(1, 7), tra(4, 7), tra(6, 7)};
}

QStringList parole(const GiocoCompleta& g) {
    QStringList out;
    for (QLabel* l : g.Picture1->Label1) out << l->text();
    return out;
}

} // namespace

class CompletaParoleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;
    GiocoCompleta* g = nullptr;

    void avvia(const QByteArray& dizionario = kParole, const QByteArray& ini = {}) {
        a = std::make_unique<Ambiente>();
        a->scrivi("dizionario.dic", dizionario);
        if (!ini.isEmpty()) a->conIni(ini);
        f = &a->avvia();
        g = giocoCompleta(*f);
        QVERIFY(g);
        g->Timer1->rendiManuale();
        f->Option1_Click(8);
        QCOMPARE(f->ModoCorrente, 8);
    }
    void gioca(std::deque<double> numeri) {
        g->impostaCasuale(std::make_unique<CasualeScritto>(std::move(numeri)));
        f->Command1->click();
    }
    void scatta(int volte) {
        for (int i = 0; i < volte; ++i) g->Timer1->scatta();
    }
    QString messaggio() const { return f->superficie.ultimoMessaggio(); }

private slots:
    void cleanup() { a.reset(); }

    // Mode 8 shows its own controls in place of Text1 and the list.
    void controlliDelModo() {
        avvia();
        QVERIFY(g->Text3->isVisible() && g->Picture1->isVisible() && g->PicTime->isVisible());
        QVERIFY(!f->Text1->isVisible() && !f->List1->isVisible() && f->Command1->isEnabled());
        QCOMPARE(g->PicTime->cifre(), "30");
        QCOMPARE(g->soluzione(), "");
        f->Option1_Click(0);
        QVERIFY(!g->Text3->isVisible() && !g->Picture1->isVisible() && !g->PicTime->isVisible());
    }

    void partitaIntera() {
        avvia();
        gioca(partitaTa());
        QCOMPARE(parole(*g), (QStringList{"REAL++", "LIBER++", "COMUNI++", "UNIVERSI++"}));
        QVERIFY(g->Timer1->attivo() && !g->Cmd4->isEnabled());
        QCOMPARE(g->Timer1->intervallo(), 1000);
        QCOMPARE(g->Text3->maxLength(), 2);
        QCOMPARE(g->soluzione(), QString::fromUtf8("T\u00C0"));
        scatta(3);
        QCOMPARE(g->PicTime->cifre(), "27");

        // A wrong pair is selected whole, so the next try replaces it; one letter does nothing.
        prova::digita(g->Text3, "ro");
        QCOMPARE(g->Text3->text(), "RO");
        QCOMPARE(g->Text3->selectedText(), "RO");
        prova::digita(g->Text3, "t");
        QCOMPARE(g->Text3->text(), "T");
        QVERIFY(g->Timer1->attivo());
        prova::digita(g->Text3, "a"); // no accent needed
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
        QCOMPARE(messaggio(), QString::fromUtf8("Esatto!\r\nLe lettere mancanti erano proprio... "
                                                "T\u00C0\r\nHai indovinato in 3 secondi."));
        QCOMPARE(parole(*g),
                 (QStringList{QString::fromUtf8("REALT\u00C0"), QString::fromUtf8("LIBERT\u00C0"),
                              QString::fromUtf8("COMUNIT\u00C0"),
                              QString::fromUtf8("UNIVERSIT\u00C0")}));
        // The countdown keeps the time of the win; a late tick changes nothing.
        scatta(1);
        QCOMPARE(g->PicTime->cifre(), "27");
    }

    void tempoScaduto() {
        avvia();
        f->SoluzioneMostrata = true;
        gioca(partitaTa());
        QCOMPARE(messaggio(), QString::fromUtf8("T\u00C0")); // the revealed part
        scatta(29);
        QCOMPARE(g->PicTime->cifre(), "01");
        QVERIFY(g->Timer1->attivo() && !g->Cmd4->isEnabled());
        scatta(1);
        QCOMPARE(g->PicTime->cifre(), "00");
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
        QCOMPARE(messaggio(),
                 QString::fromUtf8("Tempo scaduto!\r\nLe lettere mancanti erano < T\u00C0 >"));
        QCOMPARE(parole(*g)[0], QString::fromUtf8("REALT\u00C0"));
        // Typing the part after the end wins nothing.
        prova::digita(g->Text3, "ta");
        QVERIFY(messaggio().startsWith("Tempo scaduto!"));
    }

    // A click on a word gives up: words emptied, clock stopped, the limit shown, no message.
    void arrendersi() {
        avvia();
        gioca(partitaTa());
        scatta(5);
        const QString prima = messaggio();
        QTest::mouseClick(g->Picture1->Label1[2], Qt::LeftButton);
        QCOMPARE(parole(*g), (QStringList{"", "", "", ""}));
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
        QCOMPARE(g->PicTime->cifre(), "30");
        QCOMPARE(messaggio(), prima);
        QVERIFY(!f->ctx.occupato);
        // Leaving the mode in the middle of a round gives it up too.
        gioca(partitaTa());
        f->Option1_Click(0);
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
    }

    void lettereMancanti() {
        avvia();
        g->Cmd4->click();
        QCOMPARE(g->Cmd4->text(), "3");
        QCOMPARE(messaggio(), "3 lettere mancanti per parola.");
        // Three letters: "ità" from qualità.
        gioca({tra(2, 7), tra(4, 5), tra(2, 7), tra(4, 7), tra(5, 7), tra(6, 7)});
        QCOMPARE(g->Text3->maxLength(), 3);
        QCOMPARE(parole(*g), (QStringList{"QUAL+++", "COMUN+++", "FELIC+++", "UNIVERS+++"}));
    }

    void allarme() {
        avvia();
        QVERIFY(g->PicTime->allarme());
        QTest::mouseClick(g->PicTime, Qt::LeftButton);
        QCOMPARE(messaggio(), "Allarme disattivato.");
        QVERIFY(!g->PicTime->allarme());
        gioca(partitaTa());
        QTest::mouseClick(g->PicTime, Qt::LeftButton);
        QCOMPARE(messaggio(), "Allarme attivato.");
        QVERIFY(g->PicTime->allarme());
        // Right click while a round runs: no settings window.
        QTest::mouseClick(g->PicTime, Qt::RightButton);
        QVERIFY(!g->finestraTempo());
    }

    // No round can be made: the reason is shown and nothing starts.
    void dizionarioSenzaPartita() {
        avvia("casa\r\ncane\r\nabcdef\r\nghijkl\r\nmnopqr\r\nstuvwx\r\n");
        gioca({});
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
        QCOMPARE(parole(*g), (QStringList{"", "", "", ""}));
        QVERIFY(messaggio().startsWith("Nel dizionario non ci sono quattro parole diverse"));
        QVERIFY(!f->ctx.occupato && !f->ctx.ricercaInCorso);
    }

    // The stop button during the preparation: nothing starts.
    void stopDuranteLaPreparazione() {
        avvia("abcdef\r\nghijkl\r\nmnopqr\r\nstuvwx\r\n");
        QTimer::singleShot(0, f, [this] { f->Command10_Click(); });
        gioca({});
        QVERIFY(!g->Timer1->attivo() && g->Cmd4->isEnabled());
        QCOMPARE(parole(*g), (QStringList{"", "", "", ""}));
        QVERIFY(!f->ctx.ricercaInCorso && !f->ctx.interrompi);
        QVERIFY(!messaggio().startsWith("Nel dizionario")); // stopped, not settled
    }

    void finestraTempo() {
        avvia();
        QCursor::setPos(f->mapToGlobal(QPoint(300, 200)));
        QTest::mouseClick(g->PicTime, Qt::RightButton);
        frmTime* t = g->finestraTempo();
        QVERIFY(t && t->isVisible());
        QCOMPARE(verbolario::prova::senzaNomeAccessibile(t), QString());
        QVERIFY(t->geometry().contains(QCursor::pos())); // opened under the pointer
        t->Timer1().stop();                              // the test moves the pointer itself
        QCOMPARE(t->lblTempo->text(), " 30\"");
        QCOMPARE(t->lblLunghezza->text(), "10 ");
        t->HScroll1[0]->setValue(45);
        t->HScroll1[1]->setValue(7);
        QCOMPARE(t->lblTempo->text(), " 45\"");
        QCOMPARE(t->lblLunghezza->text(), "7   ");
        QCOMPARE(g->PicTime->cifre(), "45"); // the countdown follows at once
        t->HScroll1[1]->setValue(12);
        QCOMPARE(t->lblLunghezza->text(), "12 ");

        // It stays while the pointer is at most 7 pixels outside, then closes.
        const QRect r = t->geometry();
        QVERIFY(!t->controllaPuntatore(r.topRight() + QPoint(7, -7)));
        QPointer<frmTime> chiusa = t;
        QVERIFY(t->controllaPuntatore(r.bottomLeft() + QPoint(-8, 0)));
        QTRY_VERIFY(!chiusa);
        QVERIFY(!g->finestraTempo());
        QCOMPARE(f->focusWidget(), g->Text3); // the answer box has the focus back

        QVERIFY(a->chiudi());
        QCOMPARE(a->leggi("Opzioni", "MaxTime"), "45");
        QCOMPARE(a->leggi("Opzioni", "MaxLen"), "12");
        f = &a->avvia();
        QCOMPARE(f->giochi.maxTime, 45);
        QCOMPARE(f->giochi.maxLen, 12);
    }
};

QTEST_MAIN(CompletaParoleTest)
#include "CompletaParoleTest.moc"
