#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace verbolario {

// The panel behind the timed game's four words (Picture1): a colour gradient, and the words
// themselves (Label1 0 to 3), in capitals, centred one per row. A click on a word is
// reported; what it means is the game's business.
class PannelloParole final : public QWidget {
    Q_OBJECT
public:
    explicit PannelloParole(QWidget* parent = nullptr);

    std::array<QLabel*, 4> Label1{};

    void svuota();
    void impostaColore(const QColor& colore);

signals:
    void parolaCliccata(int indice);

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

} // namespace verbolario
