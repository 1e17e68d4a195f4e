#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace verbolario {

// Every dialog the program shows goes through this one service: message boxes, input boxes
// and the open/save file dialogs. Tests answer them by setting the hooks below (nothing then
// reaches the screen), and every request is kept in `registro` so a test can check what the
// user would have been asked.
class Dialoghi {
public:
    enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
    enum class Icona { Nessuna, Domanda, Esclamazione, Informazione, Stop };
    enum class Risposta { Ok, Si, No, Annulla };
    enum class Tipo { Messaggio, Input, Apri, Salva };

    struct Richiesta {
        Tipo tipo = Tipo::Messaggio;
        QString testo;  // message, prompt, or dialog title for the file dialogs
        QString titolo; // window title (message and input boxes)
        Pulsanti pulsanti = Pulsanti::Ok;
        Icona icona = Icona::Nessuna;
        int predefinito = 0; // 0-based index of the default button
        QString valore;      // default text of an input box, initial file of a file dialog
        QString filtri;      // file dialogs: "Descrizione (*.ext);;..."
    };

    static inline const QString kTitolo = QStringLiteral("Verbolario");

    // Message box; predefinito is the index of the default button (0 = the first).
    Risposta messaggio(const QString& testo, Pulsanti pulsanti = Pulsanti::Ok,
                       Icona icona = Icona::Nessuna, int predefinito = 0,
                       const QString& titolo = kTitolo);
    // Input box: the text typed, or nothing when the user cancelled.
    std::optional<QString> input(const QString& prompt, const QString& titolo = kTitolo,
                                 const QString& predefinito = {});
    // File dialogs: the chosen full path, or empty when the user cancelled.
    QString apriFile(const QString& titolo, const QString& filtri, const QString& iniziale = {});
    QString salvaFile(const QString& titolo, const QString& filtri, const QString& estensione,
                      const QString& iniziale = {});
    // The system beep.
    void beep();

    // The window the dialogs belong to (the main window once it exists).
    void impostaProprietario(QWidget* w) { proprietario_ = w; }

    // Hooks for tests: when set, they answer instead of a real dialog.
    std::function<Risposta(const Richiesta&)> suMessaggio;
    std::function<std::optional<QString>(const Richiesta&)> suInput;
    std::function<QString(const Richiesta&)> suFile;
    std::vector<Richiesta> registro;
    int beepSuonati = 0;

private:
    QWidget* proprietario_ = nullptr;
};

} // namespace verbolario
