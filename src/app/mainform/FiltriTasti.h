#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QLineEdit;
class QKeyEvent;

namespace verbolario {

class Form1;

// The input boxes' own rules: which typed characters Text1 and TxtMeno take and in which
// case, the pattern aids of the crossword modes (space types "?", Ctrl appends "*"), the
// accents menu on a right click, and the tooltip that shows a long text whole. Pasted and
// dropped text goes through the same character rules as typed text.
class FiltriTasti final : public QObject {
    Q_OBJECT
public:
    explicit FiltriTasti(Form1& f);

    // What Text1 makes of a typed character (nothing: refused). modo is the current mode,
    // chiaveVuota whether TxtMeno is empty, contenitori whether Option2(3) is checked.
    static std::optional<QChar> filtraText1(QChar c, int modo, bool chiaveVuota, bool contenitori);
    // What TxtMeno makes of a typed character.
    static std::optional<QChar> filtraTxtMeno(QChar c);
    // The space and Ctrl aids: the first blank becomes `segno`; returns the caret position
    // after it, or -1 when there is no blank.
    static int sostituisciPrimoSpazio(QString& testo, QChar segno);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool tastoPremuto(QLineEdit* box, QKeyEvent* e);
    void tastoRilasciato(QLineEdit* box, QKeyEvent* e);
    void incolla(QLineEdit* box, const QString& testo);
    QString filtra(QLineEdit* box, const QString& testo) const;
    void aggiornaSuggerimento(QLineEdit* box);

    Form1& f_;
    // Ctrl pressed and released with no other key in between (not Ctrl+V, Ctrl+A, ...).
    bool ctrlDaSolo_ = false;
};

} // namespace verbolario
