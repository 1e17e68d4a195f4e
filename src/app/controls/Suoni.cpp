#include "controls/Suoni.h"

#include <algorithm>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace verbolario {

Suoni::Suoni(QObject* parent) : Suoni(QCoreApplication::applicationDirPath(), parent) {}

Suoni::Suoni(const QString& cartella, QObject* parent)
    : QObject(parent), m_cartella(cartella), m_scheda(!QMediaDevices::audioOutputs().isEmpty()) {}

Suoni::~Suoni() {
    liberaEffetti();
}

void Suoni::liberaEffetti() {
    for (QSoundEffect*& e : m_effetti) {
        delete e;
        e = nullptr;
    }
    m_scartati.fill(false);
}

void Suoni::setCartella(const QString& cartella) {
    if (cartella == m_cartella) return;
    liberaEffetti();
    m_cartella = cartella;
}

QString Suoni::nomeFile(int numero) {
    switch (numero) {
    case 1:
        return QStringLiteral("Blip.wav");
    case 2:
        return QStringLiteral("Click.wav");
    case 3:
        return QStringLiteral("Beep.wav");
    default:
        return {};
    }
}

QString Suoni::percorso(int numero) const {
    const QString nome = nomeFile(numero);
    return nome.isEmpty() ? QString() : QDir(m_cartella).filePath(nome);
}

bool Suoni::esiste(int numero) const {
    const QString p = percorso(numero);
    return !p.isEmpty() && QFileInfo(p).isFile();
}

bool Suoni::disponibili() const {
    return (esiste(2) && m_scheda) || esiste(1) || esiste(3);
}

namespace {

quint32 numero32(const char* b) {
    const auto* u = reinterpret_cast<const unsigned char*>(b);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<quint32>(u[3]) << 24);
}

quint16 numero16(const char* b) {
    const auto* u = reinterpret_cast<const unsigned char*>(b);
    return static_cast<quint16>(u[0] | (u[1] << 8));
}

bool formatoAccettabile(const QByteArray& fmt) {
    const quint16 codifica = numero16(fmt.constData());
    const quint16 canali = numero16(fmt.constData() + 2);
    const quint32 frequenza = numero32(fmt.constData() + 4);
    const quint16 bit = numero16(fmt.constData() + 14);
    return (codifica == 1 || codifica == 3 || codifica == 0xFFFE) && canali >= 1 && canali <= 8 &&
           frequenza >= 1000 && frequenza <= 384000 &&
           (bit == 8 || bit == 16 || bit == 24 || bit == 32);
}

} // namespace

int Suoni::durataWav(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const qint64 dimensione = f.size();
    const QByteArray testa = f.read(12);
    if (testa.size() != 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE") return -1;
    quint32 bytePerSecondo = 0;
    qint64 pos = 12;
    while (pos + 8 <= dimensione && f.seek(pos)) {
        const QByteArray blocco = f.read(8);
        if (blocco.size() != 8) return -1;
        const qint64 lunghezza = numero32(blocco.constData() + 4);
        if (blocco.startsWith("fmt ")) {
            const QByteArray fmt = f.read(16);
            if (lunghezza < 16 || fmt.size() != 16 || !formatoAccettabile(fmt)) return -1;
            bytePerSecondo = std::max<quint32>(1, numero32(fmt.constData() + 8));
        } else if (blocco.startsWith("data")) {
            if (bytePerSecondo == 0 || lunghezza <= 0 || pos + 8 + lunghezza > dimensione)
                return -1;
            return static_cast<int>(std::min<qint64>(lunghezza * 1000 / bytePerSecondo, 1 << 30));
        }
        pos += 8 + lunghezza + (lunghezza & 1);
    }
    return -1;
}

bool Suoni::wavCompleto(const QString& percorso) {
    return durataWav(percorso) >= 0;
}

QSoundEffect* Suoni::effetto(int numero) {
    const auto i = static_cast<size_t>(numero - 1);
    if (m_scartati[i]) return nullptr;
    if (!m_effetti[i]) {
        const int durata = durataWav(percorso(numero));
        if (durata < 0) {
            m_scartati[i] = true;
            return nullptr;
        }
        m_durate[i] = durata;
        m_effetti[i] = new QSoundEffect;
        m_effetti[i]->setSource(QUrl::fromLocalFile(percorso(numero)));
    }
    return m_effetti[i];
}

int Suoni::richieste(int numero) const {
    return numero >= 1 && numero <= 3 ? m_richieste[static_cast<size_t>(numero - 1)] : 0;
}

bool Suoni::Suona(int numero, unsigned modo) {
    if (numero >= 1 && numero <= 3) ++m_richieste[static_cast<size_t>(numero - 1)];
    if (!esiste(numero) || !m_scheda || !m_attivo) return false;
    QSoundEffect* e = effetto(numero);
    if (!e || e->status() == QSoundEffect::Error) return false;
    // One sound at a time: a new one cuts off whatever still plays.
    for (QSoundEffect* altro : m_effetti)
        if (altro) altro->stop();
    e->play();
    if ((modo & 1u) == 0) aspettaFine(e, m_durate[static_cast<size_t>(numero - 1)]);
    return true;
}

// Waits without handling user input, so nothing re-enters the caller meanwhile. A sound
// that never starts or never ends is given up a little after its own length (the window
// must not stay deaf for longer than the sound lasts), and never after attesaMassima().
void Suoni::aspettaFine(QSoundEffect* e, int durataMs) {
    QEventLoop attesa;
    bool iniziato = e->isPlaying();
    connect(e, &QSoundEffect::playingChanged, &attesa, [&] {
        if (e->isPlaying())
            iniziato = true;
        else if (iniziato)
            attesa.quit();
    });
    connect(e, &QSoundEffect::statusChanged, &attesa, [&] {
        if (e->status() == QSoundEffect::Error) attesa.quit();
    });
    constexpr int kMargineMs = 150;
    QTimer::singleShot(std::min(m_attesaMassima, durataMs + kMargineMs), &attesa,
                       &QEventLoop::quit);
    attesa.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace verbolario
