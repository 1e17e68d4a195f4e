// Mode 1 in the main window: a whole game played with a scripted random source, the length
// bar, the boxes' keys, the row's layout, and the owl (its outline, the password, the
// reveal in modes 1 and 8).

#include "mainform/AmbienteForm1.h"

#include "CasualeScritto.h"
#include "controls/RitagliaFinestra.h"
#include "games/BarraLunghezze.h"
#include "games/CasellaLettera.h"
#include "games/GiocoIndovina.h"
#include "games/Gufo.h"
#include "games/RigaLettere.h"
#include "mainform/ComandiDizionario.h"
#include "mainform/ComandiForm1.h"
#include "windows/NomeUtente.h"

#include <QLabel>
#include <QtTest>

#include <deque>

using namespace verbolario;
using prova::Ambiente;
using prova::CasualeScritto;

namespace {

const QString kNegativa = QString::fromUtf8("La ricerca casuale ha avuto esito negativo!\r\n"
                                            "Riprovare oppure scegliere un intervallo più ampio.");

} // namespace

class IndovinaParolaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;
    GiocoIndovina* g = nullptr;

    // Starts the program in mode 1 with the range min..max over the test dictionary.
    void avvia(int min, int max, const QByteArray& dizionario = prova::kDizionario) {
        a->scrivi("dizionario.dic", dizionario);
        a->conIni(QStringLiteral("[Opzioni]\r\nOption=1\r\nMin=%1\r\nMax=%2\r\n")
                      .arg(min)
                      .arg(max)
                      .toLatin1());
        f = &a->avvia();
        g = GiocoIndovina::di(*f);
        QVERIFY(g);
        QCOMPARE(f->ModoCorrente, 1);
    }
    void script(std::deque<double> numeri) {
        g->impostaCasuale(std::make_unique<CasualeScritto>(std::move(numeri)));
    }
    void avvio() { QTest::mouseClick(f->Command1, Qt::LeftButton); }
    CasellaLettera* box(int j) const { return g->T1->casella(j); }
    QString parola() const {
        QString s;
        for (int j = 0; j < g->T1->numero(); ++j) s += box(j)->testo();
        return s;
    }
    QString messaggio() const { return f->superficie.ultimoMessaggio(); }
    int inputChiesti() const {
        int n = 0;
        for (const auto& r : a->ctx->dialoghi.registro) n += r.tipo == Dialoghi::Tipo::Input;
        return n;
    }
    Gufo& gufo() const { return Gufo::di(*f); }
    void ctrlClicGufo(QPoint p) {
        QTest::mouseClick(f->windowHandle(), Qt::LeftButton, Qt::ControlModifier,
                          gufo().mapTo(f, p));
    }
    QPoint centroGufo() const { return gufo().rect().center(); }
    void rispondi(std::optional<QString> risposta) {
        a->ctx->dialoghi.suInput = [risposta](const Dialoghi::Richiesta&) { return risposta; };
    }

private slots:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() { a.reset(); }

    void partitaIntera() {
        avvia(5, 7);
        QVERIFY(gufo().isVisible());
        QVERIFY(!g->Command3[0]->isEnabled());
        // Entries of five characters: privo, prova, radar, città. The second.
        script({0.3, 0.9});
        avvio();
        QCOMPARE(parola(), QString("P___A"));
        QCOMPARE(f->focusWidget(), box(1));
        QCOMPARE(g->LbH[0]->text(), QString("  2"));
        QCOMPARE(g->LbH[1]->text(), QString("  3"));
        QVERIFY(g->Command3[0]->isEnabled() && g->Command3[1]->isEnabled());
        // The row's frame lies just round the boxes.
        QCOMPARE(box(0)->mapTo(f, QPoint(0, 0)) - g->T1->pos(), QPoint(2, 2));

        QTest::keyClick(box(1), Qt::Key_X, Qt::NoModifier); // wrong
        QCOMPARE(box(1)->testo(), QString("X"));
        QCOMPARE(f->focusWidget(), box(2));
        QTest::keyClicks(box(2), "o"); // right, typed in lower case
        QCOMPARE(box(2)->testo(), QString("O"));
        QCOMPARE(f->focusWidget(), box(3));
        // A consonant help: R (box 1, wrong so far) or V (box 3); the second.
        QTest::mouseClick(g->Command3[1], Qt::LeftButton);
        QCOMPARE(parola(), QString("PXOVA"));
        QCOMPARE(f->focusWidget(), box(1));
        const int beep = a->ctx->dialoghi.beepSuonati;
        QTest::keyClicks(box(1), "r");
        QCOMPARE(parola(), QString("PROVA"));
        QCOMPARE(messaggio(),
                 QString("Bene, nonostante 1 errore e 1 aiuto hai indivinato la parola!"));
        QCOMPARE(a->ctx->dialoghi.beepSuonati, beep + 1);
        QVERIFY(!a->ctx->occupato);

        // A finished word: a click on it sends the focus away, typing and helps do nothing.
        QTest::mouseClick(box(2), Qt::LeftButton);
        QCOMPARE(f->focusWidget(), f->cmdFocus);
        QTest::keyClicks(box(2), "z");
        QTest::mouseClick(g->Command3[0], Qt::LeftButton);
        QCOMPARE(parola(), QString("PROVA"));

        // Another mode removes the boxes and the owl; mode 1 again brings the owl back.
        f->Option1_Click(0);
        QCOMPARE(g->T1->numero(), 0);
        QVERIFY(!g->T1->isVisible() && !gufo().isVisible() && !f->Frame1->isVisible());
        f->Option1_Click(8);
        QVERIFY(gufo().isVisible());
        f->Option1_Click(1);
        QVERIFY(gufo().isVisible() && f->Frame1->isVisible());
        QVERIFY(!g->Command3[1]->isEnabled());
    }

    void tastiDelleCaselle() {
        avvia(3, 5); // casa, cane, anna, privo, prova, radar, città: the first
        script({0.0});
        avvio();
        QCOMPARE(parola(), QString("C__A"));
        QTest::keyClick(box(1), Qt::Key_Right);
        QCOMPARE(f->focusWidget(), box(2));
        QTest::keyClick(box(2), Qt::Key_Left);
        QCOMPARE(f->focusWidget(), box(1));
        QTest::keyClick(box(1), Qt::Key_Space); // the round of Space: box 2, then 1
        QCOMPARE(f->focusWidget(), box(2));
        QTest::keyClick(box(2), Qt::Key_Space);
        QCOMPARE(f->focusWidget(), box(1));
        // Typing, deleting: the box opens again unjudged; the ends cannot be deleted.
        QTest::keyClicks(box(1), "e");
        QTest::keyClick(box(1), Qt::Key_Backspace);
        QCOMPARE(parola(), QString("C__A"));
        QTest::mouseClick(box(3), Qt::LeftButton);
        QCOMPARE(f->focusWidget(), box(2));
        // No consonant hidden inside? There is one (S); no vowel once A shows.
        QTest::keyClicks(box(1), "a");
        QTest::mouseClick(g->Command3[0], Qt::LeftButton);
        QCOMPARE(messaggio(), QString("Nella parola non ci sono altre vocali."));
        QCOMPARE(f->focusWidget(), box(2));
        // Clicking the panel counts again.
        g->LbH[0]->clear();
        QTest::mouseClick(f->Frame1, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(g->LbH[0]->text(), QString("  2"));
    }

    void estrazioneFallita() {
        avvia(3, 5);
        script({0.0});
        avvio();
        QCOMPARE(parola(), QString("C__A"));
        // A range no entry fits: the message, and the last word's boxes stay.
        f->giochi.min = 12;
        f->giochi.max = 20;
        avvio();
        QCOMPARE(messaggio(), kNegativa);
        QCOMPARE(parola(), QString("C__A"));
    }

    void barraDelleLunghezze() {
        avvia(5, 8);
        BarraLunghezze* bar = g->PicSize;
        QCOMPARE(bar->intervallo().scala, 26); // precipitevolissimevolmente
        QCOMPARE(g->LblMin->text(), QString(" 5"));
        QCOMPARE(g->LblMax->text(), QString(" 8"));
        const double unita = double(bar->width()) / 26;
        auto px = [&](double u) { return QPoint(qRound(u * unita), bar->height() / 2); };
        QTest::mouseMove(bar, px(5));
        QCOMPARE(bar->toolTip(), QString("Intervallo"));
        // The upper marker dragged past the bar's end stops at the scale.
        QTest::mousePress(bar, Qt::LeftButton, {}, px(7.6));
        QTest::mouseMove(bar, px(12));
        QTest::mouseMove(bar, QPoint(bar->width() + 300, bar->height() / 2));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() + 300, 2));
        QCOMPARE(f->giochi.max, 26);
        QCOMPARE(g->LblMax->text(), QString("26"));
        QCOMPARE(messaggio(), QString("5 parole rientrano nell'ntervallo."));
        QVERIFY(!bar->trappola().attivo());
        // A dictionary command that resets the range redraws the bar.
        f->giochi.max = 9;
        ComandiForm1::di(*f)->dizionario->ricalcolaIntervallo();
        QCOMPARE(bar->intervallo().max, 26);
        QCOMPARE(g->LblMax->text(), QString("26"));
    }

    void rigaEGufoSeguonoLaFinestra() {
        avvia(26, 26);
        script({0.0});
        avvio();
        QCOMPARE(g->T1->numero(), 26);
        auto controlla = [&] {
            const double h = f->width() / 640.0;
            QVERIFY(qAbs(g->T1->geometry().center().x() - f->width() / 2) <= 2);
            QVERIFY(g->T1->x() + 2 >= qFloor(152 * h));
            // The outline is scaled with the picture.
            const QRect sagoma = gufo().mask().boundingRect();
            QVERIFY(qAbs(sagoma.right() - qRound(108 * gufo().width() / 110.0)) <= 1);
        };
        controlla();
        f->resize(1100, 800);
        QCoreApplication::processEvents();
        controlla();
        QVERIFY(gufo().width() > 180);
    }

    void gufoEPassword() {
        avvia(3, 5);
        script({0.2});
        avvio();
        QCOMPARE(parola(), QString("C__E")); // cane, the second of seven
        const QString nome = NomeUtente();
        QVERIFY(!nome.isEmpty());
        // Off the outline the click reaches the window, not the owl; on platforms that do
        // not cut widgets to their mask the owl passes it on itself.
        rispondi(nome);
        ctrlClicGufo(QPoint(0, 0));
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            // Straight to the owl (QTest would take a null point for the centre).
            QMouseEvent e(t, QPointF(0, 0), gufo().mapToGlobal(QPointF(0, 0)), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::ControlModifier);
            QApplication::sendEvent(&gufo(), &e);
            QVERIFY(!e.isAccepted());
        }
        QCOMPARE(inputChiesti(), 0);
        QVERIFY(!gufo().dentro(QPoint(0, 0)));
        QVERIFY(gufo().dentro(centroGufo()));
        // A plain click, or Ctrl with a right click, asks nothing.
        QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, gufo().mapTo(f, centroGufo()));
        QTest::mouseClick(f->windowHandle(), Qt::RightButton, Qt::ControlModifier,
                          gufo().mapTo(f, centroGufo()));
        QCOMPARE(inputChiesti(), 0);

        struct Caso {
            std::optional<QString> risposta;
            QString messaggio;
            bool mostrata;
        };
        const QString prima = messaggio();
        const Caso casi[] = {
            {std::nullopt, prima, false},
            {QString(), prima, false},
            {nome + "x", "PASSWORD NON VALIDA!", false},
            {nome.toUpper() == nome ? nome.toLower() : nome.toUpper(), "PASSWORD NON VALIDA!",
             false},
            {nome, "CANE", true},
        };
        for (const Caso& c : casi) {
            rispondi(c.risposta);
            ctrlClicGufo(centroGufo());
            QCOMPARE(a->ctx->dialoghi.registro.back().testo, QString("INSERIRE LA PASSWORD!"));
            QCOMPARE(messaggio(), c.messaggio);
            QCOMPARE(f->SoluzioneMostrata, c.mostrata);
        }
        // The solution shows with each new word.
        script({0.0});
        avvio();
        QCOMPARE(messaggio(), QString("CASA"));
        // A double click hides it.
        QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, {}, gufo().mapTo(f, centroGufo()));
        QVERIFY(!f->SoluzioneMostrata);
        QCOMPARE(messaggio(), QString());
        script({0.5});
        avvio();
        QCOMPARE(messaggio(), QString());

        // Mode 8: without the timed game's answer the reveal shows nothing, with it the
        // answer in capitals; the double click works there too.
        f->Option1_Click(8);
        rispondi(nome);
        ctrlClicGufo(centroGufo());
        QVERIFY(f->SoluzioneMostrata);
        QCOMPARE(messaggio(), QString());
        gufo().impostaSoluzione(8, [] { return QStringLiteral("ment"); });
        ctrlClicGufo(centroGufo());
        QCOMPARE(messaggio(), QString("MENT"));
        QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, {}, gufo().mapTo(f, centroGufo()));
        QVERIFY(!f->SoluzioneMostrata);
    }

    void sagomaDelGufo() {
        QCOMPARE(decodificaTratto(13002024), (TrattoSagoma{13, 2, 24}));
        QCOMPARE(decodificaTratto(8056098), (TrattoSagoma{8, 56, 98}));
        QCOMPARE(decodificaTratto(101086105), (TrattoSagoma{101, 86, 105}));
        const QRegion r = sagomaGufo();
        QCOMPARE(r.boundingRect(), QRect(QPoint(1, 2), QPoint(108, 113)));
        // Each run is two pixels high, its right end excluded.
        QVERIFY(r.contains(QPoint(101, 86)) && r.contains(QPoint(104, 87)));
        QVERIFY(!r.contains(QPoint(105, 86)) && !r.contains(QPoint(100, 86)));
        QVERIFY(!r.contains(QPoint(0, 0)));
        // Scaled, the rows still touch: no gap inside the body.
        const QRegion doppia = sagomaGufo(1.5, 1.5);
        for (int y = qRound(54 * 1.5); y < qRound(80 * 1.5); ++y)
            QVERIFY2(doppia.contains(QPoint(75, y)), qPrintable(QString::number(y)));
    }
};

QTEST_MAIN(IndovinaParolaTest)
#include "IndovinaParolaTest.moc"
