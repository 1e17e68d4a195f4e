#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

namespace verbolario {

// CruciPic, the illustration of the crossword mode: word slots and letters scattered at
// random over a small grid, the letters drawn from the letter pool so frequent letters show
// up more often. Every click (CruciPic_Click) scribbles a new one. Decoration only.
class DisegnoCruciverba final : public QWidget {
    Q_OBJECT
public:
    explicit DisegnoCruciverba(QWidget* parent = nullptr);

    // The letter pool (capitals, frequent letters repeated); A-Z when empty.
    void impostaLettere(const std::string& pool) { pool_ = pool; }
    // Clears the picture and draws a new doodle.
    void CruciPic_Click();

signals:
    void cliccato();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    std::string pool_;
    uint32_t seme_ = 1;
};

} // namespace verbolario
