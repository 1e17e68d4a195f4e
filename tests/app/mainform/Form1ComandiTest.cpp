// The main window at work: the mode switch, the input boxes' rules, the status band, the
// result list and the layout at several sizes.

#include "AmbienteForm1.h"

#include "controls/ucTast.h"
#include "mainform/CambioModo.h"
#include "mainform/ColonnaModi.h"
#include "mainform/DisegnoCruciverba.h"
#include "mainform/DisegnoPalindromo.h"
#include "mainform/FiltriTasti.h"
#include "mainform/LayoutForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MenuForm1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;

class Form1ComandiTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modi_data();
    void modi();
    void arrangiaNelCambioModo();
    void modoRifiutatoSeOccupato();
    void filtroText1_data();
    void filtroText1();
    void filtroTxtMeno();
    void incollaPassaDalFiltro();
    void aiutiDeiModelli_data();
    void aiutiDeiModelli();
    void commentoScartaISuggerimenti();
    void caselleDiControllo();
    void evidenziazioneDeiModi();
    void accenti_data();
    void accenti();
    void invioAvviaOFerma();
    void menuFileSecondoLaLista();
    void listaGrande();
    void disposizioneSenzaSovrapposizioni_data();
    void disposizioneSenzaSovrapposizioni();

private:
    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;
};

void Form1ComandiTest::init() {
    a = std::make_unique<Ambiente>();
    a->conDizionario();
    f = &a->avvia();
}

void Form1ComandiTest::cleanup() {
    a->ctx->occupato = false;
    a->ctx->dizionarioModificato = false;
    a.reset();
}

void Form1ComandiTest::modi_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("aiuto");
    QTest::addColumn<QStringList>("visibili");
    QTest::addColumn<QStringList>("nascosti");
    QTest::addColumn<bool>("avvio");
    const QStringList tutti = {"List1",  "Tast1",  "Text1",    "Text2",   "TxtMeno",  "Frame2",
                               "Frame5", "ImgPal", "CruciPic", "ckOrder", "CkFilter", "CkDoppie"};
    auto resto = [&](const QStringList& v) {
        QStringList n;
        for (const QString& s : tutti)
            if (!v.contains(s)) n << s;
        return n;
    };
    struct Riga {
        int modo;
        QStringList visibili;
        bool avvio;
    };
    const Riga righe[] = {
        {0, {"List1", "Text1"}, true},
        {1, {}, false},
        {2, {"List1", "Text1", "Frame2"}, true},
        {3, {"List1", "Text1", "ImgPal"}, true},
        {4, {"List1", "Text1", "Frame5"}, true},
        {5, {"List1", "Tast1", "Text2"}, false},
        {6, {"List1", "Text1"}, false},
        {7, {"List1", "Text1", "CruciPic"}, true},
        {8, {}, false},
        {9, {"List1", "Text1", "TxtMeno", "ckOrder", "CkFilter", "CkDoppie"}, true},
    };
    for (const Riga& r : righe)
        QTest::addRow("modo %d", r.modo)
            << r.modo << CambioModo::testiAiuto()[static_cast<size_t>(r.modo)] << r.visibili
            << resto(r.visibili) << r.avvio;
}

void Form1ComandiTest::modi() {
    QFETCH(int, modo);
    QFETCH(QString, aiuto);
    QFETCH(QStringList, visibili);
    QFETCH(QStringList, nascosti);
    QFETCH(bool, avvio);
    QSignalSpy cambiato(f, &Form1::modoCambiato);
    QTest::mouseClick(f->Option1(modo), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(f->ModoCorrente, modo);
    QCOMPARE(cambiato.count(), 1);
    QCOMPARE(f->superficie.ultimoMessaggio(), aiuto);
    for (const QString& n : visibili)
        QVERIFY2(f->findChild<QWidget*>(n)->isVisible(), qPrintable(n));
    for (const QString& n : nascosti)
        QVERIFY2(!f->findChild<QWidget*>(n)->isVisible(), qPrintable(n));
    QCOMPARE(f->Command1->isEnabled(), avvio);
}

void Form1ComandiTest::arrangiaNelCambioModo() {
    f->Option1_Click(3);
    f->Text1->setText("Anna!");
    f->Option1_Click(0);
    QCOMPARE(f->Text1->text(), QString("anna"));
    f->Text1->setText(QString::fromUtf8("Citt\u00E0 d'arte"));
    f->Option1_Click(2);
    QCOMPARE(f->Text1->text(), QString::fromUtf8("citt\u00E0darte"));
    f->Option1_Click(7);
    QCOMPARE(f->Text1->text(), QString());
    // "Tutti !" disables Text1; leaving the mode enables it again.
    f->Option1_Click(2);
    QTest::mouseClick(f->Option2[1], Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(!f->Text1->isEnabled());
    f->Option1_Click(0);
    QVERIFY(f->Text1->isEnabled());
}

void Form1ComandiTest::modoRifiutatoSeOccupato() {
    f->Option1_Click(0);
    f->Text1->setText("Casa");
    QSignalSpy iniziato(f, &Form1::cambioModoIniziato);
    a->ctx->occupato = true;
    QTest::mouseClick(f->Option1(7), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(iniziato.count(), 0);
    QCOMPARE(f->ModoCorrente, 0);
    QVERIFY(f->Option1(0)->isChecked());
    QVERIFY(!f->Option1(7)->isChecked());
    QCOMPARE(f->Text1->text(), QString("Casa"));
    a->ctx->occupato = false;
    a->ctx->anagrammiInCorso = true;
    f->Option1_Click(9);
    QCOMPARE(f->ModoCorrente, 0);
    a->ctx->anagrammiInCorso = false;
}

void Form1ComandiTest::filtroText1_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<bool>("contenitori");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("atteso");
    auto riga = [](const char* nome, int modo, const char* chiave, bool contenitori,
                   const char* digitato, const char* atteso) {
        QTest::newRow(nome) << modo << QString::fromUtf8(chiave) << contenitori
                            << QString::fromUtf8(digitato) << QString::fromUtf8(atteso);
    };
    riga("cruci maiuscole", 7, "", false, "p?v\u00E8", "P?V\u00C8");
    riga("cruci cifre rifiutate anche con chiave", 7, "ABC", false, "a1b", "AB");
    riga("mnemos cifre senza chiave", 9, "", false, "1a2", "A");
    riga("mnemos cifre con chiave", 9, "ABC", false, "12c", "12C");
    riga("rime minuscole", 0, "", false, "CaSa", "casa");
    riga("rime niente cifre", 0, "XY", false, "ca5a", "caa");
    riga("contenitori con chiave", 2, "AB", true, "Ab3", "ab3");
    riga("contenitori senza chiave", 2, "", true, "ab3", "ab");
    riga("accento maiuscolo resta", 0, "", false, "\u00C8", "\u00C8");
}

void Form1ComandiTest::filtroText1() {
    QFETCH(int, modo);
    QFETCH(QString, chiave);
    QFETCH(bool, contenitori);
    QFETCH(QString, digitato);
    QFETCH(QString, atteso);
    f->Option1_Click(modo);
    if (contenitori) QTest::mouseClick(f->Option2[3], Qt::LeftButton, {}, QPoint(8, 10));
    f->TxtMeno->setText(chiave);
    f->Text1->clear();
    f->Text1->setFocus();
    prova::digita(f->Text1, digitato);
    QCOMPARE(f->Text1->text(), atteso);
}

void Form1ComandiTest::filtroTxtMeno() {
    f->Option1_Click(9);
    f->Text1->setText("12");
    prova::digita(f->TxtMeno, QString::fromUtf8("ab9\u00E9-"));
    QCOMPARE(f->TxtMeno->text(), QString::fromUtf8("AB\u00C9-"));
    // A new key makes the digits typed for the old one meaningless.
    QCOMPARE(f->Text1->text(), QString());
}

void Form1ComandiTest::incollaPassaDalFiltro() {
    f->Option1_Click(7);
    QGuiApplication::clipboard()->setText("pr1vo\nx");
    f->Text1->setFocus();
    QTest::keySequence(f->Text1, QKeySequence::Paste);
    QCOMPARE(f->Text1->text(), QString("PRVO X"));
}

void Form1ComandiTest::aiutiDeiModelli_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<int>("cursore");
    QTest::newRow("spazio in coda")
        << 7 << QString("P") << int(Qt::Key_Space) << QString("P?") << 2;
    QTest::newRow("ctrl aggiunge asterisco")
        << 7 << QString("PR") << int(Qt::Key_Control) << QString("PR*") << 3;
    QTest::newRow("mnemos spazio")
        << 9 << QString("AB") << int(Qt::Key_Space) << QString("AB?") << 3;
    QTest::newRow("altri modi niente")
        << 0 << QString("ab") << int(Qt::Key_Space) << QString("ab ") << 3;
}

void Form1ComandiTest::aiutiDeiModelli() {
    QFETCH(int, modo);
    QFETCH(QString, prima);
    QFETCH(int, tasto);
    QFETCH(QString, atteso);
    QFETCH(int, cursore);
    f->Option1_Click(modo);
    f->Text1->setText(prima);
    f->Text1->setFocus();
    QTest::keyClick(f->Text1, static_cast<Qt::Key>(tasto));
    QCOMPARE(f->Text1->text(), atteso);
    QCOMPARE(f->Text1->cursorPosition(), cursore);
    // A blank typed in the middle becomes the missing-letter sign where it was typed.
    if (modo == 7 && tasto == Qt::Key_Space) {
        f->Text1->setText("P?V");
        f->Text1->setCursorPosition(1);
        QTest::keyClick(f->Text1, Qt::Key_Space);
        QCOMPARE(f->Text1->text(), QString("P??V"));
        QCOMPARE(f->Text1->cursorPosition(), 2);
    }
}

void Form1ComandiTest::commentoScartaISuggerimenti() {
    QTest::mouseClick(f->Check2, Qt::LeftButton, {}, QPoint(8, f->Check2->height() / 2));
    QVERIFY(a->ctx->modoCommento);
    a->ctx->occupato = true;
    f->ScriviMessaggio("Ricerca in corso...", 1, true);
    QVERIFY(a->ctx->occupato);
    QVERIFY(f->superficie.ultimoMessaggio() != "Ricerca in corso...");
    f->ScriviMessaggio("Errore nel caricamento del nuovo dizionario.", 1, false);
    QCOMPARE(f->superficie.ultimoMessaggio(),
             QString("Errore nel caricamento del nuovo dizionario."));
    QVERIFY(!a->ctx->occupato);
    // The band really shows it: some pixel of the drawing layer is set near the bottom.
    const QImage& d = f->superficie.disegno();
    bool disegnato = false;
    for (int y = d.height() - 56; y < d.height() && !disegnato; ++y)
        for (int x = 0; x < d.width() && !disegnato; ++x) disegnato = qAlpha(d.pixel(x, y)) != 0;
    QVERIFY(disegnato);
    // Switching comment mode on wipes what the band shows.
    QTest::mouseClick(f->Check2, Qt::LeftButton, {}, QPoint(8, f->Check2->height() / 2));
    QTest::mouseClick(f->Check2, Qt::LeftButton, {}, QPoint(8, f->Check2->height() / 2));
    for (int y = 0; y < d.height(); y += 3)
        for (int x = 0; x < d.width(); x += 3) QCOMPARE(qAlpha(d.pixel(x, y)), 0);
}

namespace {
void muovi(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
bool evidenziato(QRadioButton* b) {
    return b->font().underline() && b->palette().color(QPalette::ButtonText) == QColor(0, 0, 255);
}
} // namespace

void Form1ComandiTest::evidenziazioneDeiModi() {
    f->Option1_Click(5);
    muovi(f->Option1(2), QPoint(20, 10));
    QVERIFY(evidenziato(f->Option1(2)));
    QCOMPARE(f->Frame3->ultimoEvidenziato(), 2);
    // Straight onto the next button: the first one goes back to normal.
    muovi(f->Option1(3), QPoint(20, 10));
    QVERIFY(!evidenziato(f->Option1(2)));
    QVERIFY(evidenziato(f->Option1(3)));
    // The selected mode is never highlighted.
    muovi(f->Option1(5), QPoint(20, 10));
    QVERIFY(!evidenziato(f->Option1(5)));
    QVERIFY(!evidenziato(f->Option1(3)));
    // The free surface of the column clears everything.
    muovi(f->Option1(4), QPoint(20, 10));
    muovi(f->Frame3, QPoint(2, f->Frame3->height() - 3));
    QVERIFY(!evidenziato(f->Option1(4)));
    QCOMPARE(f->Frame3->ultimoEvidenziato(), 100);
    // Clicking a highlighted mode leaves it selected and plain.
    muovi(f->Option1(0), QPoint(20, 10));
    QTest::mouseClick(f->Option1(0), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(!evidenziato(f->Option1(0)));
}

void Form1ComandiTest::caselleDiControllo() {
    f->Option1_Click(9);
    QTest::mouseClick(f->CkFilter, Qt::LeftButton, {}, QPoint(8, 12));
    QVERIFY(!f->CkFilter->isChecked());
    QCOMPARE(f->superficie.ultimoMessaggio(), QString(" "));
    QTest::mouseClick(f->CkDoppie, Qt::LeftButton, {}, QPoint(8, 12));
    QVERIFY(f->CkDoppie->isChecked());
    QVERIFY(f->CkFilter->isChecked());
    QCOMPARE(f->superficie.ultimoMessaggio(), QString("Considera doppie due cifre"));
    QTest::mouseClick(f->CkFilter, Qt::LeftButton, {}, QPoint(8, 12));
    QVERIFY(!f->CkDoppie->isChecked());
    QTest::mouseClick(f->ckOrder, Qt::LeftButton, {}, QPoint(8, 12));
    QCOMPARE(f->superficie.ultimoMessaggio(), QString("Lista ordinata in ordine alfabetico"));

    // "Top" checked makes the window an ordinary one; cleared keeps it on top.
    QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::mouseClick(f->Check1, Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(!(f->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(f->isVisible());
    QTest::mouseClick(f->Check1, Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);

    f->Option1_Click(2);
    QCOMPARE(f->Check5->text(), QString("P\na\nr\no\nl\na"));
    QTest::mouseClick(f->Check5, Qt::LeftButton, {}, QPoint(8, f->Check5->height() / 2));
    QVERIFY(f->ModoFrasi);
    QCOMPARE(f->Check5->text(), QString("F\nr\na\ns\ne"));
    QCOMPARE(f->superficie.ultimoMessaggio(),
             QString("Comprende frasi o parole composte nella ricerca."));
    QVERIFY(!f->CScarto->isVisible());
    QTest::mouseClick(f->Option2[2], Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(f->CScarto->isVisible());
    QCOMPARE(f->superficie.ultimoMessaggio(),
             QString("Trova le parole che si possono formare con quella scritta."));
}

void Form1ComandiTest::accenti_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("cerca parola in Text2")
        << 5 << QString("Text2") << QString::fromUtf8("ca\u00E8sa");
    QTest::newRow("cruci maiuscola") << 7 << QString("Text1") << QString::fromUtf8("CA\u00C8SA");
    QTest::newRow("rime minuscola") << 0 << QString("Text1") << QString::fromUtf8("ca\u00E8sa");
    QTest::newRow("giochi nella chiave")
        << 1 << QString("TxtMeno") << QString::fromUtf8("CA\u00C8SA");
}

void Form1ComandiTest::accenti() {
    QFETCH(int, modo);
    QFETCH(QString, casella);
    QFETCH(QString, atteso);
    f->Option1_Click(modo);
    auto* box = f->findChild<QLineEdit*>(casella);
    box->setText((casella == "Text1" && modo == 7) || casella == "TxtMeno" ? "CASA" : "casa");
    box->setCursorPosition(2);
    // A right click opens the accents menu, not the box's own menu.
    QTest::mousePress(box, Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(f->menu().mnaccenti()->isVisible());
    f->menu().mnaccenti()->hide();
    f->menu().mnacc_Click(2); // "è"
    QCOMPARE(box->text(), atteso);
    QCOMPARE(box->cursorPosition(), 3);
}

void Form1ComandiTest::invioAvviaOFerma() {
    QSignalSpy avvio(f, &Form1::richiestaAvvio);
    f->Option1_Click(7);
    f->Text1->setFocus();
    QTest::keyClick(f->Text1, Qt::Key_Return);
    QCOMPARE(avvio.count(), 1);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(avvio.count(), 2);
    a->ctx->ricercaInCorso = true;
    f->mostraStop(true);
    QVERIFY(f->Command10->isVisible());
    QTest::keyClick(f->Text1, Qt::Key_Return);
    QCOMPARE(avvio.count(), 2);
    QVERIFY(a->ctx->interrompi);
    f->concludiRicerca();
    QVERIFY(!a->ctx->ricercaInCorso);
    QVERIFY(!a->ctx->interrompi);
}

void Form1ComandiTest::menuFileSecondoLaLista() {
    f->Option1_Click(0);
    f->menu().preparaFile();
    auto azioni = f->menu().mnfile()->actions();
    QCOMPARE(azioni.size(), 5);
    QVERIFY(azioni[0]->isEnabled());
    QVERIFY(!azioni[1]->isEnabled());
    QVERIFY(!azioni[4]->isEnabled());
    f->List1->modello().aggiungi(QStringList{"casa", "cane\tanimale"});
    f->List1->seleziona(1);
    f->menu().preparaFile();
    QVERIFY(azioni[1]->isEnabled());
    QVERIFY(azioni[2]->isEnabled());
    QVERIFY(azioni[4]->isEnabled());
    QSignalSpy scelta(f, &Form1::richiestaMenuFile);
    azioni[2]->trigger();
    QCOMPARE(scelta.count(), 1);
    QCOMPARE(scelta[0][0].toInt(), 2);
    // A double click copies the term, without its comment, into Text1.
    emit f->List1->doubleClicked(f->List1->modello().index(1));
    QCOMPARE(f->Text1->text(), QString("cane"));
}

void Form1ComandiTest::listaGrande() {
    f->Option1_Click(0);
    std::vector<std::string> righe;
    for (int i = 0; i < 32735; ++i) righe.push_back("parola" + std::to_string(i));
    QElapsedTimer t;
    t.start();
    f->List1->modello().aggiungiCp1252(righe);
    f->List1->repaint();
    QCoreApplication::processEvents();
    qint64 ms = t.elapsed();
    QCOMPARE(f->List1->modello().conteggio(), 32735);
    QVERIFY2(ms <= 100, qPrintable(QString("%1 ms").arg(ms)));
    QCOMPARE(f->List1->trovaInizio("PAROLA327"), 327);
}

void Form1ComandiTest::disposizioneSenzaSovrapposizioni_data() {
    QTest::addColumn<QSize>("dimensione");
    QTest::newRow("progetto") << QSize(640, 467);
    QTest::newRow("doppia") << QSize(1280, 934);
    QTest::newRow("piccola") << QSize(420, 306);
}

void Form1ComandiTest::disposizioneSenzaSovrapposizioni() {
    QFETCH(QSize, dimensione);
    f->setWindowState(Qt::WindowNoState);
    f->resize(dimensione);
    QCoreApplication::processEvents();
    double k = (dimensione.width() / 640.0 + dimensione.height() / 467.0) / 2;
    int banda = dimensione.height() - qRound(56 * k);
    for (int modo = 0; modo < 10; ++modo) {
        f->Option1_Click(modo);
        QList<QWidget*> visibili;
        for (QWidget* w : f->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible() && w->width() > 0 && !w->isWindow()) visibili << w;
        for (int i = 0; i < visibili.size(); ++i) {
            QRect r = visibili[i]->geometry();
            QVERIFY2(f->rect().contains(r), qPrintable(visibili[i]->objectName()));
            QVERIFY2(r.bottom() < banda, qPrintable(visibili[i]->objectName()));
            for (int j = i + 1; j < visibili.size(); ++j) {
                bool stessoPosto = (visibili[i] == f->Command1 || visibili[i] == f->Command10) &&
                                   (visibili[j] == f->Command1 || visibili[j] == f->Command10);
                if (stessoPosto) continue;
                QVERIFY2(
                    !r.intersects(visibili[j]->geometry()),
                    qPrintable(QString("modo %1: %2 / %3")
                                   .arg(modo)
                                   .arg(visibili[i]->objectName(), visibili[j]->objectName())));
            }
        }
        // Captions fit: each mode button shows its whole caption.
        QRadioButton* b = f->Option1(modo);
        QVERIFY2(b->sizeHint().width() <= b->width() + 2, qPrintable(b->text()));
    }
}

QTEST_MAIN(Form1ComandiTest)
#include "Form1ComandiTest.moc"
