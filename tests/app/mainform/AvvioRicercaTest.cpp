// The start button at work: a search per mode typed into Text1 and started with Enter, the
// browse of mode 5, the common letters of the list, and what happens while a search runs
// (re-entry, mode clicks, the stop button, closing the window).

#include "AmbienteForm1.h"

#include "controls/ucTast.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"

#include <QtTest>

#include <bit>

using namespace verbolario;
using prova::Ambiente;
using prova::righe;

namespace {

// Dictionary order matters to several searches: keep it as written.
const char* kParole = "amor\r\nmora\r\nramo\r\nroma\r\ncasa\r\ncane\r\npane\r\nlana\r\nprivo\r\n"
                      "prova\r\nradar\r\nanna\r\ncitt\xE0\r\nrosa\r\ncosa\r\nposa\r\notto\r\n"
                      "orto\r\n";

const QString kSegnaposto = "segnaposto";

// A dictionary of n entries "p" + five letters, the i-th spelling i in base 26, so every
// 26th entry has a given third letter.
QByteArray dizionarioGrande(int n) {
    QByteArray out;
    out.reserve(n * 8);
    for (int i = 0; i < n; ++i) {
        char w[7] = {'p', 'a', 'a', 'a', 'a', 'a', 0};
        for (int k = 5, v = i; k >= 1 && v > 0; --k, v /= 26) w[k] = char('a' + v % 26);
        out += w;
        out += "\r\n";
    }
    return out;
}

} // namespace

class AvvioRicercaTest : public QObject {
    Q_OBJECT
    void avvia(const QByteArray& dizionario) {
        a->scrivi("dizionario.dic", dizionario);
        f = &a->avvia();
        QVERIFY(ComandiForm1::di(*f) != nullptr);
    }
    void premiInvio(const QString& testo) {
        f->Text1->setFocus();
        prova::digita(f->Text1, testo);
        QTest::keyClick(f->Text1, Qt::Key_Return);
    }

    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;

private slots:
    void init() { a = std::make_unique<Ambiente>(); }
    void cleanup() {
        if (a->ctx) a->ctx->dizionarioModificato = false;
        a.reset();
    }

    void ricerche_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("sottomodo"); // Option2 / Option3 to click, -1 none
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("stato");
        QTest::addColumn<bool>("beep");
        auto riga = [](const char* nome, int modo, int sotto, const char* testo,
                       const QStringList& attese, const char* stato, bool beep = false) {
            QTest::newRow(nome) << modo << sotto << QString::fromUtf8(testo) << attese
                                << QString(stato) << beep;
        };
        const QString sep = QString::fromUtf8(" \u00B7").repeated(9) + " ";
        const QStringList nulla = {kSegnaposto}; // the list is left as it was
        riga("rime", 0, -1, "rosa", {"cosa", "posa"}, "2 parole in rima.");
        riga("anagrammi completi", 2, 0, "roma", {"amor", "mora", "ramo"}, "3 anagrammi trovati.");
        riga("anagrammi, vuoto", 2, 0, "", nulla, "Scrivi qualcosa . . . . . .", true);
        riga("tutti gli anagrammi", 2, 1, "", {"mora", "ramo", "roma", "amor", sep},
             "3 anagrammi     >>>   0  di  17");
        riga("anagrammi parziali", 2, 2, "roma", {"amor", "mora", "ramo"}, "3 anagrammi trovati");
        riga("contenitori", 2, 3, "ana", {"lana", "anna"}, "2 contenitori trovati.");
        riga("palindromi", 3, -1, "", {"radar", "anna", "otto"}, "3 Palindromi trovate.");
        riga("rovesciato", 3, -1, "amo", {"r-oma-"},
             "1 parole trovate contenenti il testo rovesciato.");
        riga("scambio di vocale", 4, 0, "casa", {"cosa"}, "1 cambio di vocale trovato.");
        riga("scambi di consonante", 4, 1, "rosa", {"roma", "cosa", "posa"},
             "3 cambi di consonante trovati.");
        riga("cruciverba", 7, -1, "p??v?", {"privo", "prova"}, "2 parole trovate");
        riga("cruciverba, vuoto", 7, -1, "", nulla, "Scrivi qualcosa . . . . ", true);
        riga("mnemos", 9, -1, "1234", {"roma"}, "Una parola trovata");
    }

    // The containers leave letters out only while the box holding them shows, and then the
    // count names them: a key typed for Mnemos must not silently shorten the list.
    void contenitoriEscludonoSoloLettereVisibili() {
        avvia(kParole);
        f->Option1_Click(9);
        f->TxtMeno->setText("L");
        f->Option1_Click(2);
        f->Option2[0]->click();
        QVERIFY(!f->TxtMeno->isVisible());
        f->Option2[3]->click();
        QVERIFY(f->TxtMeno->isVisible());
        premiInvio("ana");
        QCOMPARE(righe(*f), QStringList{"anna"});
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("1 contenitori trovati.\r\nLettere escluse: L"));
        // Hidden, the box excludes nothing and the count says nothing about it.
        f->TxtMeno->hide();
        f->Text1->clear();
        premiInvio("ana");
        QCOMPARE(righe(*f), (QStringList{"lana", "anna"}));
        QCOMPARE(f->superficie.ultimoMessaggio(), QString("2 contenitori trovati."));
        // Back in the mode with the containers chosen, the box shows again.
        f->Option1_Click(0);
        f->Option1_Click(2);
        QVERIFY(f->TxtMeno->isVisible());
    }

    void ricerche() {
        QFETCH(int, modo);
        QFETCH(int, sottomodo);
        QFETCH(QString, testo);
        QFETCH(QStringList, attese);
        QFETCH(QString, stato);
        QFETCH(bool, beep);
        avvia(kParole);
        f->Option1_Click(modo);
        if (sottomodo >= 0 && modo == 2) f->Option2[size_t(sottomodo)]->click();
        if (sottomodo >= 0 && modo == 4) f->Option3[size_t(sottomodo)]->click();
        if (modo == 9) f->TxtMeno->setText("ROMA");
        f->List1->modello().aggiungi(kSegnaposto);
        f->ScriviMessaggio("prima", 1, false);
        const int beepPrima = a->ctx->dialoghi.beepSuonati;

        premiInvio(testo);

        QCOMPARE(righe(*f), attese);
        QCOMPARE(f->superficie.ultimoMessaggio(), stato);
        QCOMPARE(a->ctx->dialoghi.beepSuonati > beepPrima, beep);
        // The final block ran: nothing is left busy or in front of the start button.
        QVERIFY(!a->ctx->ricercaInCorso && !a->ctx->occupato && !a->ctx->anagrammiInCorso);
        QVERIFY(f->Text1->isEnabled() && f->ModoCorrente == modo);
    }

    void sfogliaDigitando() {
        avvia(kParole);
        f->Option1_Click(5);
        f->Text2->setFocus();
        auto stato = [this] { return f->superficie.ultimoMessaggio(); };
        const QString nessuna = "Nessuna voce corrispondente al testo.";
        prova::digita(f->Text2, "c");
        // Only an entry "c" would share a one-letter prefix.
        QVERIFY(righe(*f).isEmpty() && stato() == nessuna);
        prova::digita(f->Text2, "a");
        QCOMPARE(righe(*f), (QStringList{"cane", "casa"}));
        QVERIFY(f->List1->selezionato() == 0 && stato() == "2 voci presenti.");

        // A third letter only moves the selection: the list is not built again.
        f->List1->modello().aggiungi("cz-segno");
        prova::digita(f->Text2, "s");
        QCOMPARE(righe(*f), (QStringList{"cane", "casa", "cz-segno"}));
        QCOMPARE(f->List1->selezionato(), 1);
        prova::digita(f->Text2, "x");
        QVERIFY(f->List1->selezionato() == -1 && stato() == nessuna);

        // Back to two letters: built again.
        QTest::keyClick(f->Text2, Qt::Key_Backspace);
        QTest::keyClick(f->Text2, Qt::Key_Backspace);
        QCOMPARE(righe(*f), (QStringList{"cane", "casa"}));
        // Ignored while a search runs.
        a->ctx->ricercaInCorso = true;
        QTest::keyClick(f->Text2, Qt::Key_Backspace);
        QCOMPARE(righe(*f), (QStringList{"cane", "casa"}));
        a->ctx->ricercaInCorso = false;
    }

    void sfogliaConTasto() {
        avvia(kParole);
        f->Option1_Click(5);
        f->Text2->setText("ra");
        QTest::mouseClick(f->Tast1, Qt::LeftButton, {}, f->Tast1->rettangoloTasto(2).center());
        QCOMPARE(righe(*f), (QStringList{"cane", "casa", QString::fromUtf8("citt\u00E0"), "cosa"}));
        QVERIFY(f->superficie.ultimoMessaggio() == "4 voci presenti." &&
                f->Text2->text().isEmpty());
        // The right button does not browse.
        QTest::mouseClick(f->Tast1, Qt::RightButton, {}, f->Tast1->rettangoloTasto(0).center());
        QCOMPARE(righe(*f).size(), 4);
    }

    void lettereComuni() {
        avvia(kParole);
        f->Option1_Click(0);
        f->List1->modello().aggiungi(QStringList{"cane", "pane\tcommento zzz", "lana"});
        QCoreApplication::processEvents();
        const QPoint riga0 = f->List1->visualRect(f->List1->modello().index(0)).center();
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, riga0);
        QCOMPARE(righe(*f).size(), 3); // a plain click does nothing
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, Qt::ControlModifier, riga0);
        QCOMPARE(righe(*f), QStringList{"an"});
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("Lettere comuni delle parole nella lista."));
    }

    // A search over a dictionary large enough to report progress several times: at its first
    // report the user presses the start button again, picks another mode, opens the dictionary
    // menu's add command and presses the stop button. Then the same search runs whole, and
    // once more to be cut short by closing the window.
    void durante_la_ricerca() {
        avvia(dizionarioGrande(200000));
        f->Option1_Click(7);
        a->ctx->dialoghi.suInput = [](const Dialoghi::Richiesta&) {
            return std::optional<QString>("nuova");
        };
        const auto progresso = f->poll().suProgresso;
        bool fatto = false, rientrato = true;
        prova::alPrimoProgresso(*f, [&] {
            fatto = true;
            QVERIFY(f->Command10->isVisible());
            QTest::mouseClick(f->Command1, Qt::LeftButton);
            rientrato = !a->ctx->ricercaInCorso;
            f->Option1_Click(3);
            emit f->richiestaMenuFile(0);
            QTest::mouseClick(f->Command10, Qt::LeftButton);
        });
        premiInvio("p????a");
        QVERIFY(fatto && !rientrato && f->ModoCorrente == 7 && a->ctx->voci.size() == 200000);
        QVERIFY(a->ctx->dialoghi.registro.empty()); // no input box: the dictionary was busy
        // Stopped after the first stretch: its hits are listed and counted.
        const int n = f->List1->modello().conteggio();
        QVERIFY2(n > 0 && n < 200000 / 26, qPrintable(QString::number(n)));
        QCOMPARE(f->superficie.ultimoMessaggio(), QString("%1 parole trovate").arg(n));
        QVERIFY(!a->ctx->interrompi && f->Text1->isEnabled());

        // Without a stop the same search lists every 26th entry.
        f->poll().suProgresso = progresso;
        f->Text1->clear();
        premiInvio("p????a");
        QCOMPARE(f->List1->modello().conteggio(), (200000 + 25) / 26);

        // Closing the window in the middle of a search stops it; it closes once it ended.
        bool chiusaDurante = true;
        prova::alPrimoProgresso(*f, [&] {
            f->close();
            chiusaDurante = !f->isVisible();
        });
        f->Text1->clear();
        premiInvio("p????a");
        QVERIFY(!chiusaDurante && f->isVisible());
        QTRY_VERIFY(!f->isVisible());
    }

    void capacitaDellaLista() {
        avvia(dizionarioGrande(40000));
        f->Option1_Click(7);
        premiInvio("p*");
        QCOMPARE(f->List1->modello().conteggio(), 32735);
        QCOMPARE(a->ultima().testo,
                 QString::fromUtf8("E' stata oltrepassata la capacit\u00E0 della lista."));
        QVERIFY(a->ultima().icona == Dialoghi::Icona::Esclamazione &&
                f->superficie.ultimoMessaggio() == "32735 parole trovate");

        // The part the window adds to the search: the lines into the list, then the extent
        // (long lines, so it is not 0).
        std::vector<std::string> linee = righeList1(*f);
        for (size_t i = 0; i < linee.size(); ++i)
            linee[i] =
                "precipitevolissimevolmente " + std::to_string(i) + " - " + linee[i] + " \xE0 WWW";
        riempiList1(*f, linee);
        f->List1->setUpdatesEnabled(true);
        adattaList1(*f);
        // The extent is the one the list measures for itself, give or take kerning.
        auto& m = f->List1->modello();
        const int estensione = m.data(m.index(0), Qt::SizeHintRole).toSize().width();
        const int esatta = f->List1->larghezzaMassima();
        QVERIFY2(estensione >= esatta && estensione <= esatta + 4,
                 qPrintable(QString("%1 vs %2").arg(estensione).arg(esatta)));
    }

    // Far more hits than the list holds: the first ones are listed, the user is told, and the
    // count still says how many there are. All groups of anagrams are cut after a whole group.
    void capacitaDegliAnagrammi() {
        // 20,000 words "b" + five increasing letters + "a", no two of them anagrams, each followed
        // later by its reversal: groups of three lines (reversal, word, separator). The first
        // word has one more anagram, so a cut at the capacity itself would split a group.
        const int n = 20000;
        QByteArray avanti, indietro;
        for (uint32_t m = 0, fatte = 0; fatte < n; ++m) {
            if (std::popcount(m) != 5) continue;
            std::string w = "b";
            for (int k = 0; k < 24; ++k)
                if (m >> k & 1) w += char('c' + k);
            w += "a";
            avanti += QByteArray::fromStdString(w) + "\r\n";
            indietro += QByteArray::fromStdString(std::string(w.rbegin(), w.rend())) + "\r\n";
            ++fatte;
        }
        avvia(avanti + indietro + "cbdefga\r\n"); // the last: an anagram of the first word
        const QString capacita = QString::fromUtf8("Superata la capacit\u00E0 della lista!");
        f->Option1_Click(2);
        f->Option2[3]->click();
        premiInvio("ba");
        QCOMPARE(f->List1->modello().conteggio(), 32736);
        QCOMPARE(a->ultima().testo, capacita);
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("%1 contenitori trovati.").arg(2 * n + 1));

        a->ctx->dialoghi.registro.clear();
        f->Option2[1]->click();
        premiInvio("");
        const QStringList linee = righe(*f);
        QCOMPARE(linee.size(), 4 + 3 * ((32736 - 4) / 3));
        QVERIFY(linee.back().startsWith(QString::fromUtf8(" \u00B7 \u00B7")));
        QCOMPARE(a->ultima().testo, capacita);
        QVERIFY(f->superficie.ultimoMessaggio().contains(" anagrammi     >>>   "));
    }
};

QTEST_MAIN(AvvioRicercaTest)
#include "AvvioRicercaTest.moc"
