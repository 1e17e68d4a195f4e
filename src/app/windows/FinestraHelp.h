#pragma once

#include <QRect>
#include <QTextBrowser>

#include <optional>

namespace verbolario {

// The program's help: Verbolario.html next to the executable, one anchor per topic
// (<a name="t800">). The topic numbers are the ones the modes hand over on F1. Esc and
// Ctrl+W close it; opened again in the same run, it comes back where it was left, as large.
class FinestraHelp final : public QTextBrowser {
    Q_OBJECT
public:
    explicit FinestraHelp(QWidget* parent = nullptr);

    // Topic of a main-window mode (0..9); 100 (browsing) for anything else.
    static int argomentoModo(int modo);
    // Topics of the options window: 900 with only the background frame, 1000 otherwise.
    static constexpr int kArgomentoSfondo = 900;
    static constexpr int kArgomentoOpzioni = 1000;
    // Topic of the "Enigmistica" window.
    static constexpr int kArgomentoEnigmistica = 1200;
    static QString percorsoGuida();

    // Shows the window at a topic (reloading the file, so edits to it show up).
    void mostraArgomento(int argomento);
    int argomento() const { return argomento_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    int argomento_ = 0;
    // Where the window was when it was last hidden: its frame's corner and its inner size,
    // what move() and resize() take back.
    std::optional<QRect> posto_;
};

} // namespace verbolario
