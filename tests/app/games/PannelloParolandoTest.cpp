// The letter game in the main window: rounds played with scripted draws, from the first
// letter to the solution list, the checks while typing, the mode switch, and the way of
// drawing restored from the settings.

#include "mainform/AmbienteForm1.h"

#include "CasualeScritto.h"
#include "controls/Suoni.h"
#include "games/EtichettaLettere.h"
#include "games/PannelloParolando.h"

#include <QtTest>

#include <deque>

using namespace verbolario;
using prova::Ambiente;
using prova::CasualeScritto;
using prova::righe;

namespace {

const char* kParole = "roma\r\nramo\r\namor\r\nmora\r\nrosa\r\norso\r\ncasa\r\nmare\r\nsoma\r\n"
                      "aroma\r\nmorsa\r\n";

// The number that draws the letter in the random way: a e i o u, or the 21 consonants.
double numeroPer(char lettera) {
    const std::string_view vocali = "AEIOU", consonanti = "BCDFGHJKLMNPQRSTVWXYZ";
    const size_t v = vocali.find(lettera);
    if (v != std::string_view::npos) return (double(v) + 0.5) / 5;
    return (double(consonanti.find(lettera)) + 0.5) / 21;
}

} // namespace

class PannelloParolandoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;
    PannelloParolando* p = nullptr;

    void avvia(const QByteArray& ini = "[Opzioni]\r\nOption=6\r\n") {
        a = std::make_unique<Ambiente>();
        a->scrivi("dizionario.dic", kParole);
        a->conIni(ini);
        f = &a->avvia();
        p = PannelloParolando::di(*f);
        QVERIFY(p != nullptr);
    }
    // Draws these letters in the random way, in order.
    void estrai(const char* lettere) {
        std::deque<double> numeri;
        for (const char* c = lettere; *c; ++c) numeri.push_back(numeroPer(*c));
        p->impostaCasuale(std::make_unique<CasualeScritto>(CasualeScritto::daCapo(numeri)));
        for (const char* c = lettere; *c; ++c) {
            const bool vocale = std::string_view("AEIOU").find(*c) != std::string_view::npos;
            QTest::mouseClick(p->Cmd7[vocale ? 0 : 1], Qt::LeftButton);
        }
    }
    QString stato() const { return f->superficie.ultimoMessaggio(); }
    int beep() const { return a->ctx->dialoghi.beepSuonati; }
    void scrivi(const QString& testo) {
        f->Text1->setFocus();
        prova::digita(f->Text1, testo);
    }

private slots:
    void cleanup() {
        a.reset();
        f = nullptr;
        p = nullptr;
    }

    void unaPartitaIntera() {
        avvia();
        QVERIFY(p->Lblpar->isVisible() && p->Cmd7[0]->isVisible() && p->Check4->isEnabled());
        QVERIFY(!f->Command1->isEnabled());
        scrivi("a"); // nothing can be written before the first draw
        QCOMPARE(f->Text1->text(), QString());

        const int clic = f->suoni().richieste(2);
        estrai("R");
        QCOMPARE(p->Lblpar->text(), QString("R "));
        QCOMPARE(stato(), QString("0 Vocali e 1 Consonanti"));
        QVERIFY(f->Command1->isEnabled());
        QCOMPARE(f->suoni().richieste(2), clic + 1);
        estrai("OMAS");
        QCOMPARE(p->Lblpar->text(), QString("R O M A S "));
        QCOMPARE(stato(), QString("2 Vocali e 3 Consonanti"));

        // A letter not drawn is selected, with a beep; the next key takes its place.
        const int beepPrima = beep();
        scrivi("rosx");
        QCOMPARE(f->Text1->selectedText(), QString("x"));
        QCOMPARE(stato(), QString("Hai scritto una lettera non estratta!"));
        QCOMPARE(beep(), beepPrima + 1);
        scrivi("a");
        QCOMPARE(f->Text1->text(), QString("rosa"));
        QCOMPARE(beep(), beepPrima + 1);
        scrivi("s");
        QCOMPARE(f->Text1->selectedText(), QString("s"));
        QCOMPARE(stato(), QString("Hai usato tutte le [ S ] estratte"));
        QTest::keyClick(f->Text1, Qt::Key_Backspace);
        QCOMPARE(f->Text1->text(), QString("rosa"));

        QTest::mouseClick(f->Command1, Qt::LeftButton);
        const QStringList trovate = righe(*f);
        QCOMPARE(trovate.first(), QString("morsa")); // longest first
        QStringList ordinate = trovate;
        ordinate.sort();
        QCOMPARE(ordinate, (QStringList{"amor", "mora", "morsa", "ramo", "roma", "rosa", "soma"}));
        QCOMPARE(f->List1->selezionato(), trovate.indexOf("rosa"));
        QCOMPARE(stato(),
                 QString::fromUtf8("7 parole trovate, la pi\u00F9 lunga delle quali con 5 lettere."
                                   "\r\n\r\n   Anche tu ne hai trovata una, di 4 lettere."));
        QVERIFY(!p->gioco().inCorso() && !f->Command1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), p->Cmd7[0]);
        QCOMPARE(p->Lblpar->text(), QString("R O M A S ")); // until the next draw
        QTest::keyClick(p->Cmd7[0], Qt::Key_Return); // the round is over: Enter changes nothing
        QCOMPARE(righe(*f), trovate);

        // The next draw starts a new game.
        estrai("E");
        QCOMPARE(p->Lblpar->text(), QString("E "));
        QCOMPARE(stato(), QString("1 Vocali e 0 Consonanti"));
        QVERIFY(righe(*f).isEmpty() && f->Text1->text().isEmpty());
    }

    void limitiEPartitaNuova() {
        avvia();
        estrai("T");
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QCOMPARE(stato(), QString("Troppe poche lettere per eseguire una ricerca!"));
        QVERIFY(p->gioco().inCorso()); // not enough for a search: the round goes on

        // A word longer than the letters drawn: selected from the first letter too many.
        estrai("EA");
        int beepPrima = beep();
        scrivi("tean");
        QCOMPARE(f->Text1->selectedText(), QString("n"));
        QCOMPARE(stato(), QString::fromUtf8("La parola che hai scritto \u00E9 pi\u00F9 lunga del "
                                            "totale delle lettere estratte!"));
        QCOMPARE(beep(), beepPrima + 1);

        // Thirty letters, then the limit.
        estrai("BCDFGHLMNPQRSTVZBCDFGHLMNPQ");
        QCOMPARE(p->Lblpar->text().size(), 60);
        beepPrima = beep();
        estrai("U");
        QCOMPARE(p->Lblpar->text().size(), 60);
        QCOMPARE(stato(), QString("E' stato raggiunto il limite imposto al numero delle lettere "
                                  "estratte."));
        QCOMPARE(beep(), beepPrima + 1);

        // A double click on the letters starts over.
        QTest::mouseDClick(p->Lblpar, Qt::LeftButton);
        QVERIFY(!p->gioco().inCorso() && p->Lblpar->text().isEmpty());
        QVERIFY(f->Text1->text().isEmpty() && righe(*f).isEmpty() && stato().isEmpty());
        QVERIFY(!f->Command1->isEnabled());
    }

    // Leaving the mode keeps the game; coming back shows it again, or a blank when the
    // round has ended.
    void cambioDiModo() {
        avvia();
        estrai("ROMA");
        f->Text1->setText("ro x");
        const int beepPrima = beep();
        f->Option1_Click(0); // tidies the word to rox: no longer the game's to check
        QCOMPARE(beep(), beepPrima);
        QVERIFY(!p->Lblpar->isVisible() && !p->Cmd7[0]->isVisible());
        f->Option1_Click(6);
        QVERIFY(p->Lblpar->isVisible());
        QCOMPARE(p->Lblpar->text(), QString("R O M A "));
        QVERIFY(f->Command1->isEnabled() && f->Text1->text().isEmpty());

        QTest::mouseClick(f->Command1, Qt::LeftButton);
        a->ctx->statistiche.stringaLettere.clear();
        f->Option1_Click(0);
        f->Option1_Click(6);
        QCOMPARE(p->Lblpar->text(), QString());
        QVERIFY(!f->Command1->isEnabled());
        QVERIFY(!p->Check4->isEnabled()); // no letter pool to draw from by frequency
    }

    // The way of drawing is stored; restoring it at start-up makes no sound, while a click
    // by the user does.
    void sceltaRestituitaSenzaSuono() {
        avvia("[Opzioni]\r\nOption=6\r\nScelta=1\r\nParColor=255\r\n");
        QVERIFY(p->Check4->isChecked());
        QCOMPARE(p->Check4->text(), QString("Distributiva"));
        QVERIFY(p->gioco().distributiva());
        QCOMPARE(f->suoni().richieste(2), 0);
        QCOMPARE(p->Lblpar->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        prova::clic(p->Check4);
        QCOMPARE(p->Check4->text(), QString("Casuale"));
        QVERIFY(!p->gioco().distributiva());
        QCOMPARE(f->suoni().richieste(2), 1);
        QCOMPARE(QApplication::focusWidget(), f->cmdFocus);
        QVERIFY(a->chiudi());
        QCOMPARE(a->leggi("Opzioni", "Scelta"), std::string("0"));
    }

    // Thirty letters on the strip between the word and the list stay whole and readable.
    void letterePocheEMolte() {
        avvia();
        estrai("RO");
        const EtichettaLettere::Disposizione poche = p->Lblpar->disposizione();
        QCOMPARE(poche.righe.size(), 1);
        QCOMPARE(poche.font.pointSizeF(), p->Lblpar->font().pointSizeF());
        estrai("MASBCDFGHLMNPQRSTVZBCDFGHLMN");
        const EtichettaLettere::Disposizione molte = p->Lblpar->disposizione();
        const QFontMetrics m(molte.font);
        for (const QString& riga : molte.righe)
            QVERIFY(m.horizontalAdvance(riga) <= p->Lblpar->contentsRect().width());
        QCOMPARE(molte.righe.join(' ').remove(' '), p->Lblpar->text().remove(' '));
        QVERIFY(molte.font.pointSizeF() >= 7);
    }
};

QTEST_MAIN(PannelloParolandoTest)
#include "PannelloParolandoTest.moc"
