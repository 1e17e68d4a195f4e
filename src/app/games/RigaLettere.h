#pragma once

#include <QWidget>

#include <vector>

namespace verbolario {

class CasellaLettera;

// The row of letter boxes of the guessing game, with its double frame (green inside, black
// outside) one pixel round the boxes. The row lays itself out for the window's size: one
// box per character, touching, centred in the window.
class RigaLettere final : public QWidget {
    Q_OBJECT
public:
    explicit RigaLettere(QWidget* finestra);

    // Removes the boxes of the last word and makes n new ones, laid out for the window.
    void crea(int n);
    // Removes every box and hides the row.
    void svuota();
    int numero() const { return static_cast<int>(caselle_.size()); }
    CasellaLettera* casella(int j) const;
    // Lays the row out for the window's current size.
    void disponi();

signals:
    // A box was made: the game wires it.
    void creata(CasellaLettera* casella);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<CasellaLettera*> caselle_;
};

} // namespace verbolario
