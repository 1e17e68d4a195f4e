// The letter distribution graph: bar heights from the shares, the tip, closing and redraws.

#include "mainform/AmbienteForm1.h"

#include "windows/FinestreAusiliarie.h"
#include "windows/frmGraf.h"
#include "windows/frmOpt.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <QLabel>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;

namespace {
bool rosso(const QImage& img, int x, int y) {
    if (!img.rect().contains(x, y)) return false;
    return img.pixelColor(x, y) == QColor(255, 0, 0);
}
// Height of the red run of letter i's bar, measured up from the base line.
int altezzaBarra(const frmGraf& g, int i) {
    const int x = frmGraf::xBarra(i) + 6; // right of the highlight
    int h = 0;
    while (rosso(g.immagine(), x, g.y0() - 6 - h)) ++h;
    return h;
}
} // namespace

class frmGrafTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { a_.reset(); }
    void barreAltePerMille_data();
    void barreAltePerMille();
    void suggerimentoMostraLaPercentuale_data();
    void suggerimentoMostraLaPercentuale();
    void clicSinistroChiudeDestroNo();
    void sfondoNuovoRidisegna();

private:
    Form1& apri(const std::array<int32_t, 26>& perc) {
        f_->ctx.statistiche.perc = perc;
        emit f_->richiestaGrafico();
        frmGraf* g = graficoAperto(*f_);
        if (!g) qFatal("graph not open");
        return *f_;
    }
    std::unique_ptr<Ambiente> a_;
    Form1* f_ = nullptr;
};

void frmGrafTest::init() {
    a_ = std::make_unique<Ambiente>();
    a_->conDizionario();
    f_ = &a_->avvia();
}

void frmGrafTest::barreAltePerMille_data() {
    QTest::addColumn<int>("lettera");
    QTest::addColumn<int>("perc");
    QTest::addRow("a 125") << 0 << 125;
    QTest::addRow("e 117") << 4 << 117;
    QTest::addRow("z 1") << 25 << 1;
    QTest::addRow("q 0") << 16 << 0;
    QTest::addRow("oltre la griglia") << 8 << 185;
    QTest::addRow("oltre la finestra") << 12 << 900;
    QTest::addRow("negativa") << 3 << -40;
}

void frmGrafTest::barreAltePerMille() {
    QFETCH(int, lettera);
    QFETCH(int, perc);
    std::array<int32_t, 26> p{};
    p[static_cast<size_t>(lettera)] = perc;
    apri(p);
    frmGraf& g = *graficoAperto(*f_);
    const int attesa = std::clamp(perc, 0, g.y0() - 5);
    QCOMPARE(altezzaBarra(g, lettera), attesa);
    // Neighbours stay empty: no bar bleeds into the next column.
    if (lettera > 0) QCOMPARE(altezzaBarra(g, lettera - 1), 0);
    if (lettera < 25) QCOMPARE(altezzaBarra(g, lettera + 1), 0);
}

void frmGrafTest::suggerimentoMostraLaPercentuale_data() {
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<QString>("testo"); // empty: no tip
    QTest::addRow("sopra la A") << QPoint(frmGraf::xBarra(0) + 4, 100) << "12,5 %";
    QTest::addRow("tra A e B, lato B") << QPoint(frmGraf::xBarra(1) - 3, 100) << "0,9 %";
    QTest::addRow("sopra la Z") << QPoint(frmGraf::xBarra(25) + 4, 100) << "3,0 %";
    QTest::addRow("bordo sinistro") << QPoint(10, 100) << "";
    QTest::addRow("bordo alto") << QPoint(frmGraf::xBarra(0) + 4, 5) << "";
    QTest::addRow("oltre la Z") << QPoint(450, 100) << "";
}

void frmGrafTest::suggerimentoMostraLaPercentuale() {
    QFETCH(QPoint, punto);
    QFETCH(QString, testo);
    std::array<int32_t, 26> p{};
    p[0] = 125;
    p[1] = 9;
    p[25] = 30;
    apri(p);
    frmGraf& g = *graficoAperto(*f_);
    QTest::mouseMove(&g, punto);
    QMouseEvent mossa(QEvent::MouseMove, punto, g.mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&g, &mossa);
    QCOMPARE(g.suggerimento()->isVisible(), !testo.isEmpty());
    if (!testo.isEmpty()) QCOMPARE(g.suggerimento()->text(), testo);
}

void frmGrafTest::clicSinistroChiudeDestroNo() {
    apri({});
    QPointer<frmGraf> g = graficoAperto(*f_);
    QTest::mouseClick(g, Qt::RightButton, {}, QPoint(100, 100));
    QVERIFY(g && g->isVisible());
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!g || !g->isVisible());
    QCOMPARE(graficoAperto(*f_), nullptr);
    // Opening again gives a fresh, visible window.
    emit f_->richiestaGrafico();
    QVERIFY(graficoAperto(*f_) != nullptr);
}

void frmGrafTest::sfondoNuovoRidisegna() {
    f_->superficie.stileSfondo = 0;
    std::array<int32_t, 26> p{};
    p[0] = 50;
    apri(p);
    frmGraf* g = graficoAperto(*f_);
    const QColor prima = g->immagine().pixelColor(g->width() - 2, g->height() - 2);
    f_->ctx.statistiche.perc[0] = 80;
    // The user picks "Fade 1" in the options window and closes it with OK.
    QTimer::singleShot(0, f_, [this] {
        auto* opt = f_->findChild<frmOpt*>("frmOpt");
        QVERIFY(opt && opt->isVisible());
        opt->HScroll1->setValue(255);
        opt->Option1[1]->click();
        opt->Command1[3]->click();
    });
    emit f_->richiestaSfondo();
    QCOMPARE(f_->superficie.stileSfondo, 1);
    QVERIFY(g->immagine().pixelColor(g->width() - 2, g->height() - 2) != prima);
    QCOMPARE(altezzaBarra(*g, 0), 80);
    g->immagine().save(QDir::tempPath() + "/verbolario-graf.png");
    // A second request for the graph reuses the open window.
    emit f_->richiestaGrafico();
    QCOMPARE(graficoAperto(*f_), g);
}

QTEST_MAIN(frmGrafTest)
#include "frmGrafTest.moc"
