// The main window at work: the mode switch, the input boxes' rules, the status band, the
// result list and the layout at several sizes.

#include "AmbienteForm1.h"
#include "NomiAccessibili.h"

#include "controls/DisegnaMessaggio.h"
#include "controls/ucTast.h"
#include "mainform/CambioModo.h"
#include "mainform/ColonnaModi.h"
#include "mainform/MenuForm1.h"

#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;
using prova::clic;

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

class Form1ComandiTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;

private slots:

    void init() {
        a = std::make_unique<Ambiente>();
        a->conDizionario();
        f = &a->avvia();
    }

    void cleanup() {
        a->ctx->occupato = a->ctx->dizionarioModificato = false;
        a.reset();
    }

    void modi_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("visibili");
        QTest::addColumn<bool>("avvio");
        auto riga = [](int modo, const char* visibili, bool avvio) {
            QTest::addRow("%d", modo) << modo << QString(visibili) << avvio;
        };
        riga(0, "List1 Text1", true);
        riga(1, "", true);
        riga(2, "List1 Text1 Frame2", true);
        riga(3, "List1 Text1 ImgPal", true);
        riga(4, "List1 Text1 Frame5", true);
        riga(5, "List1 Tast1 Text2", false);
        riga(6, "List1 Text1", false);
        riga(7, "List1 Text1 CruciPic", true);
        riga(8, "", true);
        riga(9, "List1 Text1 TxtMeno ckOrder CkFilter CkDoppie", true);
    }

    void modi() {
        QFETCH(int, modo);
        QFETCH(QString, visibili);
        QFETCH(bool, avvio);
        QSignalSpy cambiato(f, &Form1::modoCambiato);
        clic(f->Option1(modo));
        QVERIFY(f->ModoCorrente == modo && cambiato.count() == 1);
        QCOMPARE(f->superficie.ultimoMessaggio(), CambioModo::testiAiuto()[size_t(modo)]);
        for (QString n : {"List1", "Tast1", "Text1", "Text2", "TxtMeno", "Frame2", "Frame5",
                          "ImgPal", "CruciPic", "ckOrder", "CkFilter", "CkDoppie"})
            QVERIFY2(f->findChild<QWidget*>(n)->isVisible() == visibili.split(' ').contains(n),
                     qPrintable(n));
        QCOMPARE(f->Command1->isEnabled(), avvio);
        QCOMPARE(verbolario::prova::senzaNomeAccessibile(f), QString());
    }

    void arrangiaNelCambioModo() {
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
        clic(f->Option2[1]);
        const bool spento = !f->Text1->isEnabled();
        f->Option1_Click(0);
        QVERIFY(spento && f->Text1->isEnabled());
    }

    void modoRifiutatoSeOccupato() {
        f->Option1_Click(0);
        f->Text1->setText("Casa");
        QSignalSpy iniziato(f, &Form1::cambioModoIniziato);
        a->ctx->occupato = true;
        clic(f->Option1(7));
        QVERIFY(iniziato.isEmpty() && f->ModoCorrente == 0 && f->Option1(0)->isChecked());
        QVERIFY(!f->Option1(7)->isChecked() && f->Text1->text() == "Casa");
        a->ctx->occupato = false;
        a->ctx->anagrammiInCorso = true;
        f->Option1_Click(9);
        QCOMPARE(f->ModoCorrente, 0);
        a->ctx->anagrammiInCorso = false;
    }

    // What typing, pasting, the pattern keys and the accents menu of a right click do to the
    // input boxes; "|" is the cursor.
    void digitazione_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("azione"); // typed text, "^" + pasted text, or <key>
        QTest::addColumn<QString>("dopo");
        auto riga = [](const char* nome, int modo, const char* casella, const char* chiave,
                       const char* prima, const char* azione, const char* dopo) {
            QTest::newRow(nome) << modo << QString(casella) << QString(chiave) << QString(prima)
                                << QString::fromUtf8(azione) << QString::fromUtf8(dopo);
        };
        riga("cruci maiuscole", 7, "Text1", "", "|", "p?v\u00E8", "P?V\u00C8|");
        riga("cruci cifre rifiutate anche con chiave", 7, "Text1", "ABC", "|", "a1b", "AB|");
        riga("cruci incolla", 7, "Text1", "", "|", "^pr1vo\nx", "PRVO X|");
        riga("mnemos cifre senza chiave", 9, "Text1", "", "|", "1a2", "A|");
        riga("mnemos cifre con chiave", 9, "Text1", "ABC", "|", "12c", "12C|");
        riga("rime minuscole", 0, "Text1", "", "|", "CaSa", "casa|");
        riga("rime niente cifre", 0, "Text1", "XY", "|", "ca5a", "caa|");
        riga("contenitori con chiave", 2, "Text1", "AB", "|", "Ab3", "ab3|");
        riga("contenitori senza chiave", 2, "Text1", "", "|", "ab3", "ab|");
        riga("accento maiuscolo resta", 0, "Text1", "", "|", "\u00C8", "\u00C8|");
        riga("spazio in coda", 7, "Text1", "", "P|", "<spazio>", "P?|");
        // A blank typed in the middle becomes the missing-letter sign where it was typed.
        riga("spazio in mezzo", 7, "Text1", "", "P|?V", "<spazio>", "P?|?V");
        riga("ctrl aggiunge asterisco", 7, "Text1", "", "PR|", "<ctrl>", "PR*|");
        riga("mnemos spazio", 9, "Text1", "", "AB|", "<spazio>", "AB?|");
        riga("altri modi niente", 0, "Text1", "", "ab|", "<spazio>", "ab |");
        riga("accento in Text2", 5, "Text2", "", "ca|sa", "<menu>", "ca\u00E8|sa");
        riga("accento cruci maiuscolo", 7, "Text1", "", "CA|SA", "<menu>", "CA\u00C8|SA");
        riga("accento rime", 0, "Text1", "", "ca|sa", "<menu>", "ca\u00E8|sa");
        riga("accento nella chiave dei giochi", 1, "TxtMeno", "", "CA|SA", "<menu>", "CA\u00C8|SA");
    }

    void digitazione() {
        QFETCH(int, modo);
        QFETCH(QString, casella);
        QFETCH(QString, chiave);
        QFETCH(QString, prima);
        QFETCH(QString, azione);
        QFETCH(QString, dopo);
        f->Option1_Click(modo);
        if (modo == 2) clic(f->Option2[3]); // the containers, where digits may count
        f->TxtMeno->setText(chiave);
        auto* box = f->findChild<QLineEdit*>(casella);
        box->setText(QString(prima).remove('|'));
        box->setCursorPosition(int(prima.indexOf('|')));
        box->setFocus();
        if (azione == "<spazio>" || azione == "<ctrl>") {
            QTest::keyClick(box, azione == "<ctrl>" ? Qt::Key_Control : Qt::Key_Space);
        } else if (azione == "<menu>") {
            // A right click opens the accents menu, not the box's own menu.
            QTest::mousePress(box, Qt::RightButton, {}, QPoint(5, 5));
            QVERIFY(f->menu().mnaccenti()->isVisible());
            f->menu().mnaccenti()->hide();
            f->menu().mnacc_Click(2); // "è"
        } else if (azione.startsWith('^')) {
            QGuiApplication::clipboard()->setText(azione.mid(1));
            QTest::keySequence(box, QKeySequence::Paste);
        } else {
            prova::digita(box, azione);
        }
        QCOMPARE(box->text().insert(box->cursorPosition(), '|'), dopo);
    }

    void filtroTxtMeno() {
        f->Option1_Click(9);
        f->Text1->setText("12");
        prova::digita(f->TxtMeno, QString::fromUtf8("ab9\u00E9-"));
        QCOMPARE(f->TxtMeno->text(), QString::fromUtf8("AB\u00C9-"));
        // A new key makes the digits typed for the old one meaningless.
        QCOMPARE(f->Text1->text(), QString());
    }

    void commentoScartaISuggerimenti() {
        clic(f->Check2);
        QVERIFY(a->ctx->modoCommento);
        a->ctx->occupato = true;
        f->ScriviMessaggio("Ricerca in corso...", 1, true);
        QVERIFY(a->ctx->occupato && f->superficie.ultimoMessaggio() != "Ricerca in corso...");
        f->ScriviMessaggio("Errore nel caricamento del nuovo dizionario.", 1, false);
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("Errore nel caricamento del nuovo dizionario."));
        QVERIFY(!a->ctx->occupato);
        // The band really shows it near the bottom; switching comment mode on wipes it.
        const QImage& d = f->superficie.disegno();
        auto disegnato = [&d](int da) {
            for (int y = da; y < d.height(); y += 2)
                for (int x = 0; x < d.width(); ++x)
                    if (qAlpha(d.pixel(x, y)) != 0) return true;
            return false;
        };
        QVERIFY(disegnato(d.height() - 56));
        clic(f->Check2);
        clic(f->Check2);
        QVERIFY(!disegnato(0));
    }

    void caselleDiControllo() {
        auto stato = [this] { return f->superficie.ultimoMessaggio(); };
        f->Option1_Click(9);
        clic(f->CkFilter);
        QVERIFY(!f->CkFilter->isChecked() && stato() == " ");
        clic(f->CkDoppie);
        QVERIFY(f->CkDoppie->isChecked() && f->CkFilter->isChecked());
        QCOMPARE(stato(), QString("Considera doppie due cifre"));
        clic(f->CkFilter);
        QVERIFY(!f->CkDoppie->isChecked());
        clic(f->ckOrder);
        QCOMPARE(stato(), QString("Lista ordinata in ordine alfabetico"));

        // "Top" checked makes the window an ordinary one; cleared keeps it on top.
        clic(f->Check1);
        QVERIFY(!(f->windowFlags() & Qt::WindowStaysOnTopHint) && f->isVisible());
        clic(f->Check1);
        QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);

        f->Option1_Click(2);
        QCOMPARE(f->Check5->text(), QString("P\na\nr\no\nl\na"));
        clic(f->Check5);
        QVERIFY(f->ModoFrasi && f->Check5->text() == "F\nr\na\ns\ne");
        QCOMPARE(stato(), QString("Comprende frasi o parole composte nella ricerca."));
        QVERIFY(!f->CScarto->isVisible());
        clic(f->Option2[2]);
        QVERIFY(f->CScarto->isVisible());
        QCOMPARE(stato(), QString("Trova le parole che si possono formare con quella scritta."));
    }

    void evidenziazioneDeiModi() {
        auto sopra = [this](int modo) { muovi(f->Option1(modo), QPoint(20, 10)); };
        auto acceso = [this](int modo) { return evidenziato(f->Option1(modo)); };
        f->Option1_Click(5);
        sopra(2);
        QVERIFY(acceso(2) && f->Frame3->ultimoEvidenziato() == 2);
        // Straight onto the next button: the first one goes back to normal.
        sopra(3);
        QVERIFY(!acceso(2) && acceso(3));
        // The selected mode is never highlighted.
        sopra(5);
        QVERIFY(!acceso(5) && !acceso(3));
        // The free surface of the column clears everything.
        sopra(4);
        muovi(f->Frame3, QPoint(2, f->Frame3->height() - 3));
        QVERIFY(!acceso(4) && f->Frame3->ultimoEvidenziato() == 100);
        // Clicking a highlighted mode leaves it selected and plain.
        sopra(0);
        clic(f->Option1(0));
        QVERIFY(!acceso(0));
    }

    void invioAvviaOFerma() {
        QSignalSpy avvio(f, &Form1::richiestaAvvio);
        f->Option1_Click(7);
        f->Text1->setFocus();
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QCOMPARE(avvio.count(), 2);
        a->ctx->ricercaInCorso = true;
        f->mostraStop(true);
        QVERIFY(f->Command10->isVisible());
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QVERIFY(avvio.count() == 2 && a->ctx->interrompi);
        f->concludiRicerca();
        QVERIFY(!a->ctx->ricercaInCorso && !a->ctx->interrompi);
    }

    void menuFileSecondoLaLista() {
        f->Option1_Click(0);
        f->menu().preparaFile();
        auto azioni = f->menu().mnfile()->actions();
        QCOMPARE(azioni.size(), 7);
        auto accese = [&azioni] {
            QString s;
            for (QAction* a : azioni) s += a->isSeparator() ? '-' : a->isEnabled() ? '1' : '0';
            return s;
        };
        QCOMPARE(accese(), QString("100-000"));
        f->List1->modello().aggiungi(QStringList{"casa", QString::fromUtf8("citt\u00E0\tnota")});
        f->menu().preparaFile();
        QCOMPARE(accese(), QString("100-101"));
        f->List1->seleziona(1);
        f->menu().preparaFile();
        QCOMPARE(accese(), QString("111-111"));
        // Copying: the selected line, then the whole list, as shown, one line each.
        QClipboard* appunti = QGuiApplication::clipboard();
        azioni[MenuForm1::kCopia]->trigger();
        QCOMPARE(appunti->text(), QString::fromUtf8("citt\u00E0\tnota"));
        azioni[MenuForm1::kCopiaTutto]->trigger();
        QCOMPARE(appunti->text(), QString::fromUtf8("casa\ncitt\u00E0\tnota\n"));
        QCOMPARE(f->superficie.ultimoMessaggio(), QString("2 righe copiate negli appunti."));
        // Ctrl+Shift+C copies the list from wherever the focus is; Ctrl+C stays the colour
        // picker's and the text box's own copy.
        appunti->clear();
        f->Text1->setText("casa");
        f->Text1->selectAll();
        f->Text1->setFocus();
        QTest::keyClick(f->Text1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(appunti->text(), QString::fromUtf8("casa\ncitt\u00E0\tnota\n"));
        QTest::keyClick(f->Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(appunti->text(), QString("casa"));
        QSignalSpy scelta(f, &Form1::richiestaMenuFile);
        azioni[2]->trigger();
        QCOMPARE(scelta.value(0).value(0), QVariant(2));
        // A double click copies the term, without its comment, into Text1.
        emit f->List1->doubleClicked(f->List1->modello().index(1));
        QCOMPARE(f->Text1->text(), QString::fromUtf8("citt\u00E0"));
    }

    // Every size the window can take, in every mode: the controls the resizer lays out stay
    // inside their parents, clear of one another and of the status band, and their
    // captions show whole and large enough to read. Controls a game adds to its panel join
    // the check by carrying a Tag.
    void disposizioneSenzaSovrapposizioni_data() {
        QTest::addColumn<QSize>("richiesta");
        QTest::addColumn<int>("modo");
        const std::pair<const char*, QSize> misure[] = {
            {"progetto", {640, 467}},    {"doppia", {1280, 934}}, {"minima", {320, 240}},
            {"larga", {1280, 467}},      {"alta", {520, 900}},    {"bassa", {1100, 374}},
            {"quasi minima", {530, 400}}};
        for (const auto& [nome, misura] : misure)
            for (int modo = 0; modo < 10; ++modo)
                QTest::addRow("%s, modo %d", nome, modo) << misura << modo;
    }

    void disposizioneSenzaSovrapposizioni() {
        QFETCH(QSize, richiesta);
        QFETCH(int, modo);
        f->setWindowState(Qt::WindowNoState);
        f->resize(richiesta);
        f->Option1_Click(modo);
        if (modo == 2) f->Option2[3]->click(); // the sub-mode that shows the most
        QCoreApplication::processEvents();
        QCOMPARE(f->size(), richiesta.expandedTo(Form1::dimensioneMinima()));
        const int banda =
            RettangoloTesto(QSizeF(f->size()), f->superficie.fattoreBanda()).top() - 1;
        // The start and stop buttons share one place on purpose.
        auto avvioStop = [&](QWidget* w) { return w == f->Command1 || w == f->Command10; };
        QList<QWidget*> v;
        for (QWidget* w : f->findChildren<QWidget*>())
            if (w->property("Tag").isValid() && w->isVisible() && w->width() > 0) v << w;
        for (int i = 0; i < v.size(); ++i) {
            const QRect r = v[i]->geometry();
            const QString nome = v[i]->objectName();
            QVERIFY2(v[i]->parentWidget()->rect().contains(r), qPrintable(nome));
            QVERIFY2(v[i]->mapTo(f, QPoint(0, r.height() - 1)).y() < banda, qPrintable(nome));
            for (int j = i + 1; j < v.size(); ++j)
                QVERIFY2(v[i]->parentWidget() != v[j]->parentWidget() ||
                             (avvioStop(v[i]) && avvioStop(v[j])) ||
                             !r.intersects(v[j]->geometry()),
                         qPrintable(nome + " / " + v[j]->objectName()));
            auto* b = qobject_cast<QAbstractButton*>(v[i]);
            if (!b || b->text().isEmpty()) continue;
            QVERIFY2(b->font().pointSizeF() >= 7, qPrintable(nome));
            const QSize testo = QFontMetrics(b->font()).size(Qt::TextShowMnemonic, b->text());
            const QSize serve = qobject_cast<QPushButton*>(b) ? testo : b->sizeHint();
            QVERIFY2(serve.width() <= b->width() && serve.height() <= b->height() + 2,
                     qPrintable(nome));
        }
        if (f->Tast1->isVisible()) QVERIFY(f->Tast1->fontDidascalie().pointSizeF() >= 6.5);
    }
};

QTEST_MAIN(Form1ComandiTest)
#include "Form1ComandiTest.moc"
