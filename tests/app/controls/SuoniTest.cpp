#include "controls/Suoni.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using verbolario::Suoni;

namespace {

void creaFile(const QString& percorso, const QByteArray& contenuto = "RIFF") {
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

QByteArray parola(quint32 v, int byte) {
    QByteArray b;
    for (int i = 0; i < byte; ++i) b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// The format chunk of 16-bit mono sound at 22050 Hz.
QByteArray formato(quint16 codifica = 1) {
    return "fmt " + parola(16, 4) + parola(codifica, 2) + parola(1, 2) + parola(22050, 4) +
           parola(44100, 4) + parola(2, 2) + parola(16, 2);
}

// A WAV file of `campioni` silent 16-bit samples, optionally with a chunk before "fmt ".
QByteArray wav(int campioni, bool conLista = false, quint16 codifica = 1) {
    QByteArray corpo = "WAVE";
    if (conLista) corpo += "LIST" + parola(3, 4) + "abc" + '\0'; // odd length, padded
    corpo += formato(codifica);
    corpo += "data" + parola(quint32(campioni * 2), 4) + QByteArray(campioni * 2, '\0');
    return "RIFF" + parola(quint32(corpo.size()), 4) + corpo;
}

} // namespace

class SuoniTest : public QObject {
    Q_OBJECT

private slots:
    // Without a sound card only the two sounds that have a fallback count as available.
    void disponibili() {
        const struct {
            QStringList file;
            bool scheda, attesa;
        } casi[] = {{{}, true, false},
                    {{"Click.wav"}, true, true},
                    {{"Click.wav"}, false, false},
                    {{"Blip.wav"}, false, true},
                    {{"Beep.wav"}, false, true}};
        for (const auto& c : casi) {
            QTemporaryDir dir;
            for (const QString& f : c.file) creaFile(dir.filePath(f));
            Suoni s(dir.path());
            s.setSchedaAudio(c.scheda);
            QCOMPARE(s.disponibili(), c.attesa);
        }
    }

    // No file, sound switched off (the default until the settings say otherwise), or no card:
    // nothing plays, and nothing waits.
    void silenzio() {
        QTemporaryDir dir;
        Suoni s(dir.path());
        s.setSchedaAudio(true);
        s.setSuonoAttivo(true);
        QElapsedTimer t;
        t.start();
        for (int n = 0; n <= 4; ++n) {
            QVERIFY(!s.Suona(n, Suoni::kAsincrono));
            QVERIFY(!s.Suona(n, Suoni::kSincrono));
        }
        QVERIFY(t.elapsed() < 500);
        creaFile(dir.filePath("Click.wav"));
        Suoni spento(dir.path());
        spento.setSchedaAudio(true);
        QVERIFY(!spento.Suona(2));
        spento.setSuonoAttivo(true);
        spento.setSchedaAudio(false);
        QVERIFY(!spento.Suona(2));
    }

    // The chunk before the format is skipped; a file cut anywhere, without samples,
    // compressed or not a WAV at all is not whole.
    void wavCompleto() {
        const QByteArray buono = wav(500);
        const std::pair<QByteArray, bool> casi[] = {
            {buono, true},
            {wav(500, true), true},
            {QByteArray(), false},
            {buono.left(4), false},
            {buono.left(30), false},
            {buono.left(44), false},
            {buono.left(300), false},
            {wav(0), false},
            {wav(500, false, 2), false},
            {"RIFF....WAVE not really a sound file", false}};
        QTemporaryDir dir;
        for (const auto& [contenuto, completo] : casi) {
            creaFile(dir.filePath("x.wav"), contenuto);
            QVERIFY2(Suoni::wavCompleto(dir.filePath("x.wav")) == completo, contenuto.left(40));
        }
    }

    // Whatever the machine's sound system does (even with no output at all, forced here), a
    // synchronous sound returns within its longest wait, and a truncated file beside a good
    // one neither plays nor keeps the player from being released.
    void sincronoNonBlocca() {
        QTemporaryDir dir;
        creaFile(dir.filePath("Beep.wav"), wav(2000).left(1000));
        creaFile(dir.filePath("Blip.wav"), wav(1000));
        QElapsedTimer t;
        t.start();
        {
            Suoni s(dir.path());
            s.setSchedaAudio(true);
            s.setSuonoAttivo(true);
            s.setAttesaMassima(500);
            QVERIFY(!s.Suona(3, Suoni::kSincrono));
            QVERIFY(s.Suona(1, Suoni::kSincrono));
            QVERIFY(s.Suona(1, Suoni::kAsincrono));
            QVERIFY(!s.Suona(3, Suoni::kAsincrono));
        }
        QVERIFY(t.elapsed() < 3000);
    }

    // The sounds made at build time: 16-bit PCM mono at 22050 Hz, short, starting and ending
    // in silence so they don't pop.
    void fileGenerati_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("minimoMs");
        QTest::addColumn<int>("massimoMs");
        QTest::newRow("blip") << "Blip.wav" << 40 << 100;
        QTest::newRow("click") << "Click.wav" << 5 << 30;
        QTest::newRow("beep") << "Beep.wav" << 150 << 250;
    }
    void fileGenerati() {
        QFETCH(QString, nome);
        QFETCH(int, minimoMs);
        QFETCH(int, massimoMs);
        QFile f(QStringLiteral(VERBOLARIO_BIN_DIR "/") + nome);
        if (!f.open(QIODevice::ReadOnly)) QSKIP("the sounds are not built");
        const QByteArray b = f.readAll();
        QVERIFY(b.size() > 44);
        QCOMPARE(b.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(b.mid(8, 28), "WAVE" + formato());
        const quint32 dati = qFromLittleEndian<quint32>(b.constData() + 40);
        QCOMPARE(qsizetype(dati) + 44, b.size());
        const int ms = static_cast<int>(dati / 2 * 1000 / 22050);
        QVERIFY(ms >= minimoMs && ms <= massimoMs);
        const auto campione = [&](int i) {
            return qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i);
        };
        const int n = static_cast<int>(dati / 2);
        QVERIFY(std::abs(campione(0)) < 200);
        QVERIFY(std::abs(campione(n - 1)) < 200);
        int picco = 0;
        for (int i = 0; i < n; ++i) picco = std::max(picco, std::abs(int(campione(i))));
        QVERIFY(picco > 5000);
    }
};

QTEST_MAIN(SuoniTest)
#include "SuoniTest.moc"
