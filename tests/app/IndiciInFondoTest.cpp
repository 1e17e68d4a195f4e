// The indexes built behind the window: handed over only for the entries they were built from,
// built again after a change, never started while long work may be changing the dictionary;
// and a window whose dictionary file is cut short or rewritten under it goes on answering.

#include "IndiciInFondo.h"

#include "mainform/AmbienteForm1.h"
#include "mainform/ComandiForm1.h"
#include "mainform/IndiciForm1.h"
#include "search/IndiceModello.h"
#include "search/Relazioni.h"
#include "search/RicercaModello.h"

#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

using namespace verbolario;

namespace {

// Enough entries that building takes a little while.
Voci grande(size_t n, const std::string& prefisso = "p") {
    Voci v;
    for (size_t i = 0; i < n; ++i) v.append(prefisso + std::to_string(i * 7919 % 1000003));
    return v;
}

std::vector<std::string> cruci(const Voci& v, const char* testo) {
    NoPoll np;
    return RicercaModello(testo, {}, v, np).righe;
}

bool attendi(IndiciInFondo& b) {
    return QTest::qWaitFor([&b] { return b.fermo(); }, 20000);
}

} // namespace

class IndiciInFondoTest : public QObject {
    Q_OBJECT

private slots:

    // Changes made while an index is built: it is dropped and built for the entries of now.
    void cambiDuranteLaCostruzione() {
        for (int come = 0; come < 3; ++come) {
            Voci voci = grande(200000);
            IndiciInFondo b(voci, {});
            b.richiedi(Indice::Modello);
            QCoreApplication::processEvents(); // the worker starts on its snapshot
            if (come == 0) voci.append("pxyz");
            if (come == 1) voci.set(0, "pxyz");
            if (come == 2) voci = grande(1000, "pxyz"); // another dictionary altogether
            QVERIFY(attendi(b));
            QVERIFY(IndicePronto(voci, Indice::Modello));
            // The index answers for these entries: as the plain pass over a copy does.
            QCOMPARE(cruci(voci, "PXYZ*"), cruci(Voci(voci), "PXYZ*"));
            QVERIFY(!cruci(voci, "PXYZ*").empty());
        }
    }

    // An index asked for twice is built once; one queued behind the others comes after them,
    // and after one asked for later; each answers as the plain pass does. The word orders of
    // the relations are built in the background like any other index.
    void inCodaDopoGliAltri() {
        Voci voci = grande(20000);
        IndiciInFondo b(voci, {});
        QSignalSpy consegnati(&b, &IndiciInFondo::consegnato);
        const auto piana = cruci(voci, "P1??");
        b.richiedi(Indice::Modello);
        b.richiedi(Indice::Modello); // asked twice, built once
        b.accoda(Indice::Parole);
        b.accoda(Indice::Parole); // asked twice, built once
        b.richiedi(Indice::Rime);
        QVERIFY(attendi(b));
        QCOMPARE(consegnati.count(), 3);
        QCOMPARE(consegnati.at(0).at(0).value<Indice>(), Indice::Rime);
        QCOMPARE(consegnati.at(1).at(0).value<Indice>(), Indice::Modello);
        QCOMPARE(consegnati.at(2).at(0).value<Indice>(), Indice::Parole);
        QVERIFY(IndicePronto(voci, Indice::Parole));
        QCOMPARE(cruci(voci, "P1??"), piana);
        // The relations answer from them as from the plain pass over a copy.
        NoPoll np;
        for (const char* testo : {"p1000", "p10", ""})
            QCOMPARE(CercaRelazione(Relazione::Zeppa, testo, {}, voci, np).righe,
                     CercaRelazione(Relazione::Zeppa, testo, {}, Voci(voci), np).righe);
        b.accoda(Indice::Parole); // there already: nothing to build
        QVERIFY(b.fermo());
    }

    void nienteMentreAltroLavoroCambiaIlDizionario() {
        Voci voci = grande(1000);
        bool libero = false;
        IndiciInFondo b(voci, [&libero] { return libero; });
        b.richiedi(Indice::Rime);
        QTest::qWait(300);
        QVERIFY(!IndicePronto(voci, Indice::Rime) && !b.fermo());
        libero = true;
        QVERIFY(attendi(b));
        QVERIFY(IndicePronto(voci, Indice::Rime));
    }

    // The window asks for its mode's index; the file cut short, then rewritten, under the
    // running program changes nothing it shows.
    void laFinestraNonDipendeDalFile() {
        prova::Ambiente a;
        QByteArray testo;
        for (int i = 0; i < 50000; ++i) testo += "prova" + QByteArray::number(i) + "\r\n";
        a.scrivi("dizionario.dic", testo);
        Form1& f = a.avvia();
        f.Option1_Click(7);
        IndiciInFondo& b = ComandiForm1::di(f)->indici->inFondo();
        QVERIFY(attendi(b));
        QVERIFY(IndicePronto(a.ctx->voci, Indice::Modello));
        const std::string percorso =
            QFile::encodeName(a.cartella + "/dizionario.dic").toStdString();
        for (const char* dopo : {"", "altro\r\n"}) {
            QVERIFY(::truncate(percorso.c_str(), 0) == 0);
            a.scrivi("dizionario.dic", dopo);
            f.Text1->setText("PROVA4999?");
            emit f.richiestaAvvio();
            QCOMPARE(prova::righe(f).size(), 10);
            QCOMPARE(a.ctx->voci.size(), size_t{50000});
        }
        a.ctx->dizionarioModificato = false;
    }
};

QTEST_MAIN(IndiciInFondoTest)
#include "IndiciInFondoTest.moc"
