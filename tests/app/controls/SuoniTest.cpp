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
            const char* file;
            bool scheda, attesa;
        } casi[] = {{"", true, false},
                    {"Click.wav", true, true},
                    {"Click.wav", false, false},
                    {"Blip.wav", false, true},
                    {"Beep.wav", false, true}};
        for (const auto& c : casi) {
            QTemporaryDir dir;
            if (*c.file) creaFile(dir.filePath(c.file));
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
        for (int n = 0; n <= 4; ++n) QVERIFY(!s.Suona(n, Suoni::kSincrono));
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
        QList<QByteArray> casi{buono, wav(500, true), wav(0), wav(500, false, 2),
                               "RIFF....WAVE not really a sound file"};
        for (int n : {0, 4, 30, 44, 300}) casi << buono.left(n);
        QTemporaryDir dir;
        for (const QByteArray& b : casi) {
            creaFile(dir.filePath("x.wav"), b);
            const bool intero = b == buono || b == casi[1];
            QVERIFY2(Suoni::wavCompleto(dir.filePath("x.wav")) == intero, b.left(40));
            // 500 samples of 2 bytes at 44100 bytes a second: a synchronous wait's yardstick.
            QCOMPARE(Suoni::durataWav(dir.filePath("x.wav")), intero ? 22 : -1);
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
    void fileGenerati() {
        for (const auto& [nome, minimoMs, massimoMs] :
             {std::tuple("Blip.wav", 40, 100), {"Click.wav", 5, 30}, {"Beep.wav", 150, 250}}) {
            QFile f(QStringLiteral(VERBOLARIO_BIN_DIR "/") + nome);
            if (!f.open(QIODevice::ReadOnly)) QSKIP("the sounds are not built");
            const QByteArray b = f.readAll();
            QVERIFY(b.size() > 44);
            QCOMPARE(b.left(4) + b.mid(8, 28), "RIFFWAVE" + formato());
            const int n = qFromLittleEndian<qint32>(b.constData() + 40) / 2;
            QCOMPARE(2 * qsizetype(n) + 44, b.size());
            QVERIFY2(n * 1000 / 22050 >= minimoMs && n * 1000 / 22050 <= massimoMs, nome);
            const auto campione = [&](int i) {
                return std::abs(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i));
            };
            int picco = 0;
            for (int i = 0; i < n; ++i) picco = std::max(picco, campione(i));
            QVERIFY(campione(0) < 200 && campione(n - 1) < 200 && picco > 5000);
        }
    }
};

QTEST_MAIN(SuoniTest)
#include "SuoniTest.moc"
