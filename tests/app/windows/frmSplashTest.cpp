// The about box: what it shows, how it closes, the help and mail links.

#include "ConForm1.h"
#include "NomiAccessibili.h"

#include "windows/FinestraHelp.h"
#include "windows/ImmagineSplash.h"
#include "windows/NomeUtente.h"
#include "windows/frmSplash.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace verbolario;

class frmSplashTest : public QObject, prova::ConForm1 {
    Q_OBJECT
private slots:
    void cleanup() { a_.reset(); }
    void init() {
        avvia();
        a_->ctx->dialoghi.suMessaggio = [this](const Dialoghi::Richiesta& r) {
            messaggi_ << r.titolo + ": " + r.testo;
            return Dialoghi::Risposta::Ok;
        };
    }

    void mostraProdottoVersioneUtente() {
        QVERIFY(!NomeUtente().isEmpty());
        bool visto = false;
        const bool nascosta = esegui([&](frmSplash& s) {
            visto = true;
            QCOMPARE(s.lblProductName->text() + s.lblPlatform->text(), "Verbolario per Linux");
            QVERIFY(s.lblVersion->text().contains("2.0"));
            QVERIFY(s.lblUtente->text().contains(NomeUtente()));
            QVERIFY(!s.Label3->isVisible()); // the about box never shows the loading note
            QCOMPARE(verbolario::prova::senzaNomeAccessibile(&s), QString());
            // The pictures get a border while the pointer is over them.
            QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(s.imgLogo, &entra);
            QVERIFY(s.imgLogo->bordo() && !s.ImgHelp->bordo());
            QApplication::sendEvent(s.ImgHelp, &entra);
            QVERIFY(!s.imgLogo->bordo() && s.ImgHelp->bordo());
            QMouseEvent mossa(QEvent::MouseMove, QPointF(s.width() - 3, 40), QPointF(),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&s, &mossa);
            QVERIFY(!s.imgLogo->bordo() && !s.ImgHelp->bordo());
        });
        QVERIFY(visto && nascosta);
        QVERIFY(f_->isVisible());
    }

    // The Exit button, Esc, or any other key closes the box and brings the main window back.
    void chiusura() {
        for (int tasto : {0, int(Qt::Key_Escape), int(Qt::Key_A)}) {
            esegui([&](frmSplash& s) {
                if (tasto == 0)
                    s.Command1->click();
                else
                    QTest::keyClick(&s, static_cast<Qt::Key>(tasto));
                QVERIFY(!s.isVisible());
            });
            QVERIFY(f_->isVisible() && finestraHelp(*f_).isHidden());
        }
    }

    void immagineHelpApreLaGuida() {
        f_->Option1_Click(3);
        esegui([&](frmSplash& s) { QTest::mouseClick(s.ImgHelp, Qt::LeftButton); });
        QVERIFY(finestraHelp(*f_).isVisible());
        QCOMPARE(finestraHelp(*f_).argomento(), 400);
    }

    // The mail link: when it opens the main window is minimised; when it fails a warning
    // shows and the box stays open.
    void mail() {
        for (const bool riesce : {false, true}) {
            messaggi_.clear();
            QUrl aperta;
            bool apertaDopo = false;
            esegui(
                [&](frmSplash& s) {
                    QTest::mouseClick(s.imgLogo, Qt::LeftButton);
                    apertaDopo = s.isVisible();
                },
                [&](const QUrl& u) {
                    aperta = u;
                    return riesce;
                });
            QVERIFY(aperta.scheme() == "mailto" &&
                    aperta.toString().endsWith("?SUBJECT=Verbolario"));
            QVERIFY(f_->isMinimized() == riesce && apertaDopo != riesce);
            QCOMPARE(messaggi_, riesce
                                    ? QStringList()
                                    : QStringList{"NoMailAccess: Impossibile inviare mail, "
                                                  "programma non accessibile o non installato."});
        }
    }

private:
    // Runs the about box; `azione` acts on it once it is up; returns whether the main
    // window was hidden while the box was shown.
    bool esegui(const std::function<void(frmSplash&)>& azione,
                const std::function<bool(const QUrl&)>& apri = {}) {
        bool nascosta = false;
        mostraAbout(*f_, [&](frmSplash& s) {
            if (apri) s.apriUrl = apri;
            QTimer::singleShot(0, &s, [&, p = &s] {
                nascosta = !f_->isVisible();
                azione(*p);
                // A box that ignored the action must not hang the test.
                QTimer::singleShot(50, p, [p] { p->reject(); });
            });
        });
        return nascosta;
    }
    QStringList messaggi_;
};

QTEST_MAIN(frmSplashTest)
#include "frmSplashTest.moc"
