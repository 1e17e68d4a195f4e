#pragma once

#include <QWidget>

namespace verbolario {

// ImgPal, the illustration of the palindrome mode: a word that reads the same both ways,
// mirrored around its centre letter, with arrows running in both directions.
class DisegnoPalindromo final : public QWidget {
public:
    explicit DisegnoPalindromo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace verbolario
