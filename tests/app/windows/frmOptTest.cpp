// The options window over the main window ("Sfondo..."): every change repaints the main
// window at once and is kept for the next run.

#include "ConForm1.h"
#include "NomiAccessibili.h"

#include "controls/Tras.h"
#include "mainform/DisegnoCruciverba.h"
#include "windows/FinestraHelp.h"
#include "windows/frmOpt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

using namespace verbolario;

class frmOptTest : public QObject, prova::ConForm1 {
    Q_OBJECT
private slots:
    void init() {
        avvia();
        f_->superficie.motivo = false; // plain fades: pixels can be compared
    }

    void cleanup() {
        ForzaTrasparenzaDisponibile(std::nullopt);
        opt_.reset();
        a_.reset();
    }

    // Each style repaints at once, shows the blue scale only where it applies, keeps the
    // focus on OK and leaves the status band's message; the last choice is kept.
    void stiliRidipingono() {
        f_->superficie.coloreSfondo = 0;
        frmOpt& o = apri();
        QCOMPARE(verbolario::prova::senzaNomeAccessibile(&o), QString());
        f_->ScriviMessaggio("resto qui");
        for (const int stile : {0, 2, 3}) {
            const QImage prima = f_->superficie.sfondo();
            o.Option1[static_cast<size_t>(stile)]->click();
            QVERIFY(f_->superficie.sfondo() != prima);
            QCOMPARE(o.HScroll1->isVisible(), stile != 0);
            QCOMPARE(o.focusWidget(), o.Command1[3]);
            QCOMPARE(f_->superficie.ultimoMessaggio(), QString("resto qui"));
        }
        o.Command1[3]->click();
        QVERIFY(a_->chiudi());
        QCOMPARE(a_->leggi("Opzioni", "Fade"), std::string("3"));
    }

    // Cancelled, or not a picture (a warning follows): the first fade instead, never a tile
    // style with nothing to tile.
    void mattonellaAnnullataOIlleggibile() {
        f_->superficie.stileSfondo = 0;
        frmOpt& o = apri();
        for (const QString& risposta : {QString(), QString("dizionario.dic")}) {
            QString filtri;
            a_->ctx->dialoghi.suFile = [&](const Dialoghi::Richiesta& r) {
                filtri = r.filtri;
                return risposta.isEmpty() ? QString() : a_->cartella + "/" + risposta;
            };
            const size_t prima = a_->ctx->dialoghi.registro.size();
            o.Option1[4]->click();
            QVERIFY(filtri.startsWith("Immagini  *.bmp *.jpg *.gif"));
            QCOMPARE(a_->ctx->dialoghi.registro.size(), prima + (risposta.isEmpty() ? 1 : 2));
            QCOMPARE(f_->superficie.stileSfondo, 1);
            QVERIFY(o.Option1[1]->isChecked() && f_->superficie.mattonella.isNull());
        }
    }

    void mattonellaScelta() {
        const QString p = mattonella();
        frmOpt& o = apri();
        a_->ctx->dialoghi.suFile = [&](const Dialoghi::Richiesta&) { return p; };
        o.Option1[4]->click();
        QVERIFY(o.CmdTile->isEnabled() && !o.HScroll1->isVisible());
        const QImage& s = f_->superficie.sfondo();
        QCOMPARE(s.pixelColor(45, 35), QColor(Qt::red)); // second copy, both ways
        QCOMPARE(s.pixelColor(65, 5), QColor(Qt::blue));
        // A stored picture that still exists is used without asking; CmdTile picks another.
        const QString altra = mattonella("altra.png");
        a_->ctx->dialoghi.suFile = [&](const Dialoghi::Richiesta&) { return altra; };
        const size_t prima = a_->ctx->dialoghi.registro.size();
        o.Option1[1]->click();
        o.Option1[4]->click();
        QCOMPARE(a_->ctx->dialoghi.registro.size(), prima);
        o.CmdTile->click();
        QCOMPARE(f_->superficie.fileMattonella, altra);
        o.Command1[3]->click();
        QVERIFY(a_->chiudi());
        QCOMPARE(QString::fromStdString(a_->leggi("Opzioni", "Tile")), altra);
    }

    // Fade 1's top is dark, with the blue chosen; a grey fade's blue follows red and green.
    void scalaDelBlu() {
        f_->superficie.coloreSfondo = 64;
        frmOpt& o = apri();
        for (const auto& [valore, etichetta] : {std::pair(-1, "-1"), std::pair(0, "0"),
                                                std::pair(128, "50"), std::pair(255, "100")}) {
            o.HScroll1->setValue(valore);
            QCOMPARE(o.Label2->text(), QString(etichetta));
            const QColor alto = f_->superficie.sfondo().pixelColor(5, 0);
            QVERIFY(alto.red() < 3);
            QCOMPARE(alto.blue(), valore < 0 ? alto.red() : valore);
        }
        // The pattern box switches the letters on and off at once.
        const QImage senza = f_->superficie.sfondo();
        o.Check5->click();
        QVERIFY(f_->superficie.sfondo() != senza);
    }

    void trasparente() {
        ForzaTrasparenzaDisponibile(true);
        f_->Option1_Click(7); // the crossword picture hides while see-through
        frmOpt& o = apri();
        o.Option1[5]->click();
        QVERIFY(a_->ctx->sfondoTrasparente && !f_->CruciPic->isVisible());
        QVERIFY(!o.HScroll1->isVisible());
        o.Option1[2]->click();
        QVERIFY(!a_->ctx->sfondoTrasparente && f_->CruciPic->isVisible());
        // Leaving it see-through: the style and the mode are not stored, so the next run
        // starts on an opaque window.
        o.Option1[5]->click();
        o.Command1[3]->click();
        QVERIFY(a_->chiudi());
        QCOMPARE(a_->leggi("Opzioni", "Fade"), std::string("<assente>"));
        QCOMPARE(a_->leggi("Opzioni", "Option"), std::string("<assente>"));
    }

    // From the menu: a modal window showing only the background frame, with the settings
    // in use (showing them changes nothing), F1 on its own topic, closed by OK.
    void menuSfondo() {
        f_->superficie.coloreSfondo = 128;
        f_->superficie.motivo = true;
        bool visto = false;
        QTimer::singleShot(0, f_, [&] {
            auto* o = f_->findChild<frmOpt*>("frmOpt");
            if (!o) return;
            [&] { // a failed check still closes the window below
                QVERIFY(o->isModal() && o->Frame6->isVisible() && !o->Label1->isVisible());
                for (int i = 0; i < 4; ++i) QCOMPARE(o->Command1[i]->isVisible(), i == 3);
                QVERIFY(o->Option1[1]->isChecked() && o->Check5->isChecked());
                QCOMPARE(o->Label2->text(), QString("50"));
                QVERIFY(!o->Option1[5]->isEnabled()); // offscreen nothing can be see-through
                QCOMPARE(f_->superficie.coloreSfondo, 128);
                // Narrowed to the frame: the dictionary commands' row would make it wider.
                QVERIFY(o->width() < o->Frame6->width() + 40);
                QTest::keyClick(o, Qt::Key_F1);
                QCOMPARE(finestraHelp(*f_).argomento(), 900);
                visto = true;
            }();
            o->Command1[3]->click();
        });
        emit f_->richiestaSfondo();
        QVERIFY(visto);
        QCOMPARE(f_->findChild<frmOpt*>("frmOpt"), nullptr);
    }

private:
    frmOpt& apri() {
        opt_ = std::make_unique<frmOpt>(*a_->ctx, f_, frmOpt::Ruolo::Sfondo, f_);
        opt_->show();
        return *opt_;
    }
    // A tile picture in the program folder: left half red, right half blue.
    QString mattonella(const QString& nome = "tile.png") {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::red);
        QPainter(&img).fillRect(20, 0, 20, 30, Qt::blue);
        const QString p = a_->cartella + "/" + nome;
        img.save(p);
        return p;
    }

    std::unique_ptr<frmOpt> opt_;
};

QTEST_MAIN(frmOptTest)
#include "frmOptTest.moc"
