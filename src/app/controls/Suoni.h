#pragma once

#include <QObject>
#include <QString>

#include <array>

class QSoundEffect;

namespace verbolario {

// The program's three short sounds, WAV files in the program's folder: 1 "Blip.wav"
// (choosing a mode), 2 "Click.wav" (buttons, check boxes, keys), 3 "Beep.wav" (the timed
// game). A sound plays only when its file exists, the system has a sound output and sound
// is switched on; otherwise, and whenever playing fails, nothing happens and nobody is
// told.
class Suoni : public QObject {
    Q_OBJECT

public:
    // Play modes: asynchronous returns at once and a later sound cuts this one off;
    // synchronous returns when the sound has ended (or after attesaMassima()).
    static constexpr unsigned kAsincrono = 3;
    static constexpr unsigned kSincrono = 0;

    // Sounds from the program's folder; whether a sound output exists is asked once here.
    explicit Suoni(QObject* parent = nullptr);
    explicit Suoni(const QString& cartella, QObject* parent = nullptr);
    ~Suoni() override;

    QString cartella() const { return m_cartella; }
    void setCartella(const QString& cartella);
    // Sound switched on ("Suono" cleared); off at start.
    bool SuonoAttivo() const { return m_attivo; }
    void setSuonoAttivo(bool on) { m_attivo = on; }
    // The system reported at least one sound output when this object was made.
    bool SchedaAudio() const { return m_scheda; }
    void setSchedaAudio(bool presente) { m_scheda = presente; }
    // Longest wait of a synchronous sound, in milliseconds (3000 at start); a sound is
    // never waited for much longer than it lasts.
    int attesaMassima() const { return m_attesaMassima; }
    void setAttesaMassima(int ms) { m_attesaMassima = ms; }

    // "Blip.wav", "Click.wav", "Beep.wav" for 1, 2, 3; "" for any other number.
    static QString nomeFile(int numero);
    // The file of sound `numero` in the folder ("" for an unknown number).
    QString percorso(int numero) const;
    bool esiste(int numero) const;
    // Whether the "Suono" check box is worth enabling: the click with a sound output, or
    // the blip, or the beep is there.
    bool disponibili() const;

    // Whether the file is a complete PCM (or float) WAV sound. Anything else is never
    // handed to the player: a truncated file would keep its loader waiting for ever.
    static bool wavCompleto(const QString& percorso);
    // The length of a complete WAV sound in milliseconds; -1 when it is not complete.
    static int durataWav(const QString& percorso);

    // Plays sound `numero`; `modo` 0 waits for the end, any odd value plays
    // asynchronously. True when the sound was handed to the player.
    bool Suona(int numero, unsigned modo = kAsincrono);
    // How often sound `numero` (1-3) was asked for, whether it played or not: what a user
    // with the sounds on would have heard.
    int richieste(int numero) const;

private:
    QSoundEffect* effetto(int numero);
    void aspettaFine(QSoundEffect* e, int durataMs);
    void liberaEffetti();

    QString m_cartella;
    bool m_attivo = false;
    bool m_scheda = false;
    int m_attesaMassima = 3000;
    std::array<QSoundEffect*, 3> m_effetti{};
    std::array<bool, 3> m_scartati{}; // files found unplayable
    std::array<int, 3> m_richieste{};
    std::array<int, 3> m_durate{}; // ms
};

} // namespace verbolario
