// The dictionary commands of the main window: the result list's menu (add, modify, delete,
// save the list), saving, opening another dictionary, "Formatta e ordina..." and
// "Elimina accenti", each with its dialogs answered by the test.

#include "AmbienteForm1.h"

#include "mainform/ApriDizionario.h"
#include "mainform/MenuForm1.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace verbolario;
using prova::Ambiente;
using prova::leggiFile;
using prova::righe;
using prova::voci;
using R = Dialoghi::Risposta;
using Testo = std::optional<QString>;

class ComandiDizionarioTest : public QObject {
    Q_OBJECT
    void menu(int voce) {
        f->menu().preparaFile();
        f->menu().mnMod_Click(voce);
    }
    // Answers the next input boxes with this text (nothing: cancelled).
    void rispondiInput(Testo t) {
        a->ctx->dialoghi.suInput = [t](const Dialoghi::Richiesta&) { return t; };
    }
    const Dialoghi::Richiesta& ultima() const { return a->ultima(); }
    // The first dialog shown whose text starts so.
    const Dialoghi::Richiesta* chiesto(const QString& inizio) const {
        for (const auto& r : a->ctx->dialoghi.registro)
            if (r.testo.startsWith(inizio)) return &r;
        return nullptr;
    }

    std::unique_ptr<Ambiente> a;
    Form1* f = nullptr;

    void avvia(const QByteArray& dizionario) {
        a->scrivi("dizionario.dic", dizionario);
        f = &a->avvia();
        f->Option1_Click(0);
        a->ctx->dialoghi.registro.clear();
    }

private slots:
    void init() { a = std::make_unique<Ambiente>(); }

    void cleanup() {
        if (a->ctx) a->ctx->dizionarioModificato = false;
        a.reset();
    }

    void aggiungi_data() {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QString>("aggiunta"); // empty: nothing added
        QTest::addColumn<bool>("presente");    // the user is told it is there already
        const QString x30(30, 'x');
        QTest::newRow("nuova, spazi e maiuscole") << " Casa "
                                                  << "casa" << false;
        QTest::newRow("gia presente") << "cane"
                                      << "" << true;
        QTest::newRow("30 caratteri") << x30 << x30 << false;
        QTest::newRow("31 caratteri") << x30 + "x"
                                      << "" << false;
        QTest::newRow("vuota") << "   "
                               << "" << false;
    }

    void aggiungi() {
        QFETCH(QString, risposta);
        QFETCH(QString, aggiunta);
        QFETCH(bool, presente);
        avvia("cane\r\ngatto\r\n");
        f->List1->modello().aggiungi("gatto");
        rispondiInput(risposta);
        const int beep = a->ctx->dialoghi.beepSuonati;
        menu(0);
        const auto& registro = a->ctx->dialoghi.registro;
        QVERIFY(registro.front().testo == "Aggiungi una voce al dizionario." &&
                registro.front().titolo == "Aggiornamento");
        const bool nuova = !aggiunta.isEmpty();
        const QStringList aggiunte = nuova ? QStringList{aggiunta} : QStringList{};
        QCOMPARE(voci(*a->ctx), QStringList({"cane", "gatto"}) + aggiunte);
        QCOMPARE(righe(*f), QStringList{"gatto"} + aggiunte);
        QVERIFY(a->ctx->dizionarioModificato == nuova &&
                (a->ctx->dialoghi.beepSuonati > beep) == nuova);
        QCOMPARE(registro.size(), size_t(presente ? 2 : 1));
        if (presente)
            QCOMPARE(ultima().testo, QString::fromUtf8("La voce inserita \u00E8 gi\u00E0 presente "
                                                       "nel dizionario in uso."));
        // A longer word widens the guessing game's range.
        QCOMPARE(f->giochi.max, int64_t(aggiunta.size() == 30 ? 30 : 5));
    }

    void modifica_data() {
        QTest::addColumn<QString>("selezionata");
        QTest::addColumn<Testo>("risposta");
        QTest::addColumn<bool>("modificato"); // to "cono"
        QTest::newRow("nuova") << "Cane" << Testo("Cono") << true;
        QTest::newRow("se stessa") << "cane" << Testo("cane") << false;
        QTest::newRow("gia presente") << "cane" << Testo("gatto") << false;
        QTest::newRow("annullata") << "cane" << Testo() << false;
        // The entry is stored with its comment: its bare term is no entry to replace.
        QTest::newRow("con commento") << "topo\tanimale" << Testo("ratto") << false;
    }

    void modifica() {
        QFETCH(QString, selezionata);
        QFETCH(Testo, risposta);
        QFETCH(bool, modificato);
        avvia("cane\r\ngatto\r\ntopo\tanimale\r\n");
        f->List1->modello().aggiungi(QStringList{"x", selezionata});
        f->List1->seleziona(1);
        rispondiInput(risposta);
        menu(1);
        QCOMPARE(a->ctx->dialoghi.registro.front().valore,
                 selezionata.toLower().section('\t', 0, 0));
        const QString prima = modificato ? "cono" : "cane";
        QCOMPARE(voci(*a->ctx), (QStringList{prima, "gatto", "topo\tanimale"}));
        QCOMPARE(righe(*f), (QStringList{"x", modificato ? "cono" : selezionata}));
        QCOMPARE(a->ctx->dizionarioModificato, modificato);
    }

    void elimina() {
        avvia("cane\r\nprecipitevolissimevolmente\r\ngatto\r\n");
        f->List1->modello().aggiungi(QStringList{"gatto", "precipitevolissimevolmente"});
        f->List1->seleziona(1);
        menu(2); // answered No
        QCOMPARE(ultima().testo,
                 QString("PRECIPITEVOLISSIMEVOLMENTE\r\n\r\nEliminare la voce?..."));
        QVERIFY(ultima().pulsanti == Dialoghi::Pulsanti::SiNo &&
                ultima().titolo == "Aggiornamento");
        QVERIFY(voci(*a->ctx).size() == 3 && !a->ctx->dizionarioModificato);

        a->risposte = {R::Si};
        menu(2);
        QCOMPARE(voci(*a->ctx), (QStringList{"cane", "", "gatto"})); // the slot stays until a save
        QCOMPARE(righe(*f), QStringList{"gatto"});
        // The longest word went: the range shrinks to the new longest.
        QCOMPARE(f->giochi.max, int64_t{5});
        // Saving drops the empty slot and sorts.
        QVERIFY(a->ctx->dizionarioModificato && f->salvaDizionario());
        QVERIFY(!a->ctx->dizionarioModificato);
        QCOMPARE(leggiFile(a->cartella + "/dizionario.dic"), QByteArray("cane\r\ngatto\r\n"));
    }

    void salvaLista() {
        avvia("cane\r\n");
        f->List1->modello().aggiungi(
            QStringList{"uno", QString::fromUtf8("citt\u00E0"), "tre\tcommento"});
        a->scegliFile("lista.txt");
        menu(4);
        QCOMPARE(ultima().tipo, Dialoghi::Tipo::Salva);
        QCOMPARE(leggiFile(a->cartella + "/lista.txt"),
                 QByteArray("uno\r\ncitt\xE0\r\ntre\tcommento\r\n"));
        // A folder that does not exist: the user is told.
        a->scegliFile("manca/lista.txt");
        menu(4);
        QCOMPARE(ultima().icona, Dialoghi::Icona::Stop);
    }

    void salvataggioFallitoTieneLeModifiche() {
        avvia("cane\r\ngatto\r\n");
        rispondiInput("topo");
        menu(0);
        a->ctx->percorsoDizionario = a->cartella + "/manca/dizionario.dic";
        QVERIFY(!f->salvaDizionario());
        QVERIFY(ultima().icona == Dialoghi::Icona::Stop &&
                ultima().testo.startsWith("Impossibile salvare"));
        QVERIFY(a->ctx->dizionarioModificato);

        // Opening another dictionary after saying Yes to saving: the failed save keeps the
        // changed dictionary in use.
        a->scrivi("altro.dic", "uno\r\ndue\r\n");
        a->scegliFile("altro.dic");
        a->risposte = {R::Si};
        emit f->richiestaApriDizionario();
        QCOMPARE(voci(*a->ctx), (QStringList{"cane", "gatto", "topo"}));
        QVERIFY(a->ctx->dizionarioModificato && !a->ctx->ricercaInCorso);
    }

    void formatta() {
        avvia("l'amico\r\ncasa bella\r\ncasa\r\n");
        const QByteArray originale = leggiFile(a->cartella + "/dizionario.dic");
        const int beep = a->ctx->dialoghi.beepSuonati;
        emit f->richiestaFormatta(); // answered No
        QVERIFY(ultima().testo.startsWith("Questa procedura...\r\n") &&
                ultima().testo.endsWith("Continuo?" + QString(60, ' ')));
        QCOMPARE(ultima().icona, Dialoghi::Icona::Informazione);
        QVERIFY(a->ctx->dialoghi.beepSuonati == beep + 1 && a->ctx->voci.size() == 3);

        a->risposte = {R::Si};
        f->List1->modello().aggiungi("vecchia");
        emit f->richiestaFormatta();
        QCOMPARE(voci(*a->ctx), (QStringList{"amico", "bella", "casa", "l"}));
        QVERIFY(righe(*f).isEmpty() && a->ctx->dizionarioRiformattato &&
                a->ctx->dizionarioModificato);
        QCOMPARE(
            f->superficie.ultimoMessaggio(),
            QString("Formattazione dizionario eseguita.\r\nEliminati [ 1 ] doppioni risultanti"));
        QCOMPARE(f->windowTitle(), QString("Verbolario  -> 3 voci nel dizionario"));
        // Every step beeps: seven steps, then the end.
        QCOMPARE(a->ctx->dialoghi.beepSuonati, beep + 1 + 8);

        // The save warns that the file will be replaced; No leaves it as it was.
        QVERIFY(f->salvaDizionario());
        QVERIFY(ultima().testo.startsWith("Attenzione, Questa procedura eliminer") &&
                ultima().testo.contains(a->cartella + "/dizionario.dic"));
        QCOMPARE(leggiFile(a->cartella + "/dizionario.dic"), originale);

        // A clean dictionary is left alone and no flag is raised.
        a->ctx->dizionarioModificato = a->ctx->dizionarioRiformattato = false;
        a->risposte = {R::Si};
        emit f->richiestaFormatta();
        QCOMPARE(
            f->superficie.ultimoMessaggio(),
            QString::fromUtf8("Formattazione dizionario eseguita.\r\nNon \u00E8 stata effettuata "
                              "nessuna modifica.."));
        QVERIFY(!a->ctx->dizionarioModificato);
    }

    void eliminaAccenti() {
        avvia("\xE0ncora\r\nancora\r\ncitt\xE0\r\ncitta\r\n");
        emit f->richiestaEliminaAccenti(); // answered No
        QCOMPARE(ultima().testo,
                 QString::fromUtf8("Questo eliminer\u00E0 gli accenti dal dizionario "
                                   "in uso!\r\n\r\n                         Continuo?"));
        QVERIFY(!a->ctx->accentiEliminati);

        a->risposte = {R::Si};
        emit f->richiestaEliminaAccenti();
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("Eliminato accenti [ 1 ] dal dizionario in uso.\r\n"
                         "Eliminato doppioni [ 1 ] risultanti dal riordino."));
        QStringList rimaste = voci(*a->ctx);
        rimaste.removeAll("");
        rimaste.sort();
        QCOMPARE(rimaste, (QStringList{"ancora", "citta", QString::fromUtf8("citt\u00E0")}));
        QVERIFY(a->ctx->accentiEliminati && a->ctx->dizionarioModificato);
        QCOMPARE(f->windowTitle(), QString("Verbolario  ->  2 voci nel dizionario"));

        // Once per run: the menu entry stays off, and the command does nothing more.
        f->menu().Command5_Click();
        const auto azioni = f->menu().mnhelp()->actions();
        QVERIFY(std::ranges::any_of(
            azioni, [](QAction* x) { return x->text() == "Elimina accenti" && !x->isEnabled(); }));
        f->menu().mnhelp()->hide();
        const size_t chieste = a->ctx->dialoghi.registro.size();
        emit f->richiestaEliminaAccenti();
        QCOMPARE(a->ctx->dialoghi.registro.size(), chieste);

        // Opening another dictionary asks with the warning and No as the default answer.
        a->scrivi("altro.dic", "uno\r\n");
        a->scegliFile("altro.dic");
        emit f->richiestaApriDizionario();
        const Dialoghi::Richiesta* domanda = chiesto(prova::kSalvo);
        QVERIFY(domanda && domanda->testo == prova::kSalvo + prova::kSenzaAccenti);
        QCOMPARE(domanda->predefinito, 1);
        QVERIFY(!a->ctx->accentiEliminati); // a new dictionary is in use
    }

    // Cancelled, then a file that cannot be read (the dictionary in use stays), then a good one.
    void apriAltroDizionario() {
        avvia("cane\r\ngatto\r\n");
        f->List1->modello().aggiungi("gatto");
        emit f->richiestaApriDizionario();
        QCOMPARE(ultima().testo, QString("Apri un nuovo dizionario"));
        QCOMPARE(ultima().filtri, ApriDizionario::filtri());
        QCOMPARE(righe(*f), QStringList{"gatto"});

        a->scegliFile("manca.dic");
        emit f->richiestaApriDizionario();
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("Errore nel caricamento del nuovo dizionario."));
        QCOMPARE(voci(*a->ctx), (QStringList{"cane", "gatto"}));
        QCOMPARE(a->ctx->percorsoDizionario, a->cartella + "/dizionario.dic");
        QVERIFY(!a->ctx->dizionarioSostituito);

        a->scrivi("altro.dic", "Uno\r\ndue,tre\r\nprecipitevolissimevolmente\r\n");
        a->scegliFile("altro.dic");
        f->Text2->setText("ca");
        emit f->richiestaApriDizionario();
        QCOMPARE(voci(*a->ctx), (QStringList{"uno", "due", "tre", "precipitevolissimevolmente"}));
        QVERIFY(righe(*f).isEmpty() && f->Text2->text().isEmpty());
        QCOMPARE(f->superficie.ultimoMessaggio(),
                 QString("Terminato di caricare il nuovo dizionario."));
        QCOMPARE(f->windowTitle(), QString("Verbolario  ->  3 voci nel dizionario"));
        QCOMPARE(a->ctx->percorsoDizionario, a->cartella + "/altro.dic");
        QVERIFY(a->ctx->dizionarioSostituito && !a->ctx->dizionarioModificato);
        QVERIFY(f->giochi.max == 26 && !a->ctx->ricercaInCorso && !a->ctx->interrompi);
    }

    // The stop button at the first progress report of each long command.
    void interruzioni_data() {
        QTest::addColumn<int>("comando"); // 0 open another dictionary, 1 format, 2 remove accents
        QTest::addColumn<QString>("stato");
        const QString intatto =
            QString::fromUtf8(" interrotta: il dizionario non \u00E8 stato modificato.");
        QTest::newRow("caricamento") << 0 << "Caricamento interrotto!\r\nDizionario incompleto";
        QTest::newRow("formattazione") << 1 << "Formattazione" + intatto;
        QTest::newRow("accenti") << 2 << "Eliminazione accenti" + intatto;
    }

    void interruzioni() {
        QFETCH(int, comando);
        QFETCH(QString, stato);
        QByteArray grande;
        for (int i = 0; i < 100000; ++i) grande += "parol\xE0" + QByteArray::number(i) + "\r\n";
        avvia(grande);
        a->scrivi("altro.dic", grande);
        a->scegliFile("altro.dic");
        a->risposte = {R::Si};
        // Whether the stop button lies in front of the start button.
        auto stopDavanti = [this] {
            const QObjectList& figli = f->children();
            return figli.indexOf(static_cast<QObject*>(f->Command10)) >
                   figli.indexOf(static_cast<QObject*>(f->Command1));
        };
        bool davanti = false;
        prova::alPrimoProgresso(*f, [&] {
            davanti = stopDavanti();
            QTest::mouseClick(f->Command10, Qt::LeftButton);
        });
        if (comando == 0) emit f->richiestaApriDizionario();
        if (comando == 1) emit f->richiestaFormatta();
        if (comando == 2) emit f->richiestaEliminaAccenti();
        QVERIFY(davanti);
        QCOMPARE(f->superficie.ultimoMessaggio(), stato);
        const size_t n = a->ctx->voci.size();
        // An incomplete dictionary is no default; a stopped clean-up leaves it as it was.
        if (comando == 0)
            QVERIFY2(n > 0 && n < 100000 && !a->ctx->dizionarioSostituito,
                     qPrintable(QString::number(n)));
        else
            QVERIFY(n == 100000 &&
                    a->ctx->voci[0] == "parol\xE0"
                                       "0" &&
                    !a->ctx->dizionarioModificato);
        // The stop button is back behind, and the next command is not stopped at once.
        QVERIFY(!stopDavanti() && !a->ctx->interrompi && !a->ctx->ricercaInCorso);
    }
};

QTEST_MAIN(ComandiDizionarioTest)
#include "ComandiDizionarioTest.moc"
