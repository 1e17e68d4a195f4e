// The letter distribution graph: bar heights from the shares, the tip, closing and redraws.

#include "ConForm1.h"

#include "windows/frmGraf.h"
#include "windows/frmOpt.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace verbolario;

namespace {
// Height of the red run of letter i's bar, measured up from the base line.
int altezzaBarra(const frmGraf& g, int i) {
    const int x = frmGraf::xBarra(i) + 6; // right of the highlight
    int h = 0;
    while (g.immagine().rect().contains(x, g.y0() - 6 - h) &&
           g.immagine().pixelColor(x, g.y0() - 6 - h) == QColor(255, 0, 0))
        ++h;
    return h;
}
} // namespace

class frmGrafTest : public QObject, prova::ConForm1 {
    Q_OBJECT
private slots:
    void init() { avvia(); }
    void cleanup() { a_.reset(); }

    // Bars are as high in pixels as the share per mille, cut to the window; no bar bleeds
    // into its neighbours' columns.
    void barreESuggerimento() {
        std::array<int32_t, 26> p{};
        p[0] = 125, p[1] = 9, p[3] = -40, p[4] = 117, p[8] = 185, p[12] = 900, p[25] = 30;
        frmGraf& g = apri(p);
        for (int i = 0; i < 26; ++i)
            QCOMPARE(altezzaBarra(g, i), std::clamp(p[static_cast<size_t>(i)], 0, g.y0() - 5));
        // The tip shows the share of the column under the pointer, and hides off the bars.
        const std::pair<QPoint, QString> punti[] = {
            {{frmGraf::xBarra(0) + 4, 100}, "12,5 %"}, {{10, 100}, ""},
            {{frmGraf::xBarra(1) - 3, 100}, "0,9 %"},  {{frmGraf::xBarra(0) + 4, 5}, ""},
            {{frmGraf::xBarra(25) + 4, 100}, "3,0 %"}, {{450, 100}, ""}};
        for (const auto& [punto, testo] : punti) {
            QMouseEvent mossa(QEvent::MouseMove, punto, g.mapToGlobal(punto), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&g, &mossa);
            QCOMPARE(g.suggerimento()->isVisible() ? g.suggerimento()->text() : "", testo);
        }
    }

    // A bar ends on the grid line whose number is its share: 12 % reaches the line marked
    // 12, 11.8 % stays just below it. The numbers read on light and dark backgrounds alike.
    void asseInPercentuale() {
        const std::pair<int, int> sfondi[] = {{0, -1}, {1, 255}, {2, 60}, {3, 128}};
        for (const auto& [stile, colore] : sfondi) {
            f_->superficie.stileSfondo = stile;
            f_->superficie.coloreSfondo = colore;
            std::array<int32_t, 26> p{};
            p[0] = 120, p[1] = 118;
            frmGraf& g = apri(p);
            g.Disegna();
            const auto etichette = g.etichetteAsse();
            QCOMPARE(etichette.size(), size_t(8));
            auto linea = [&](int percento) {
                for (const auto& e : etichette)
                    if (e.percento == percento) return e.y;
                return -1;
            };
            const int cima = g.y0() - 5 - altezzaBarra(g, 0); // first row above the bar
            QCOMPARE(cima, linea(12));
            const int cimaB = g.y0() - 5 - altezzaBarra(g, 1);
            QVERIFY(cimaB > linea(12) && cimaB < linea(10));
            for (const auto& e : etichette) {
                int chiaro = 0, scuro = 255;
                for (int y = e.rettangolo.top(); y <= e.rettangolo.bottom(); ++y)
                    for (int x = e.rettangolo.left(); x <= e.rettangolo.right(); ++x) {
                        chiaro = std::max(chiaro, qGray(g.immagine().pixel(x, y)));
                        scuro = std::min(scuro, qGray(g.immagine().pixel(x, y)));
                    }
                QVERIFY2(chiaro - scuro > 200,
                         qPrintable(QString("stile %1, %2 %").arg(stile).arg(e.percento)));
            }
            g.close();
        }
    }

    void clicSinistroChiudeDestroNo() {
        QPointer<frmGraf> g = &apri({});
        QTest::mouseClick(g, Qt::RightButton, {}, QPoint(100, 100));
        QVERIFY(g && g->isVisible());
        QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(graficoAperto(*f_), nullptr);
        emit f_->richiestaGrafico(); // opening again gives a fresh window
        QVERIFY(graficoAperto(*f_) != nullptr);
    }

    void sfondoNuovoRidisegna() {
        f_->superficie.stileSfondo = 0;
        frmGraf* g = &apri({50});
        const QColor prima = g->immagine().pixelColor(g->width() - 2, g->height() - 2);
        f_->ctx.statistiche.perc[0] = 80;
        // The user picks "Fade 1" in the options window and closes it with OK.
        QTimer::singleShot(0, f_, [this] {
            auto* opt = f_->findChild<frmOpt*>("frmOpt");
            QVERIFY(opt);
            opt->HScroll1->setValue(255);
            opt->Option1[1]->click();
            opt->Command1[3]->click();
        });
        emit f_->richiestaSfondo();
        QVERIFY(g->immagine().pixelColor(g->width() - 2, g->height() - 2) != prima);
        QCOMPARE(altezzaBarra(*g, 0), 80);
        emit f_->richiestaGrafico(); // a second request reuses the open window
        QCOMPARE(graficoAperto(*f_), g);
    }

private:
    frmGraf& apri(const std::array<int32_t, 26>& perc) {
        f_->ctx.statistiche.perc = perc;
        emit f_->richiestaGrafico();
        frmGraf* g = graficoAperto(*f_);
        if (!g) qFatal("graph not open");
        return *g;
    }
};

QTEST_MAIN(frmGrafTest)
#include "frmGrafTest.moc"
