#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace verbolario {

// One letter box of the guessing game: a single character on a coloured tile. It takes the
// keyboard focus; while it has it, its character shows selected, since whatever is typed
// replaces it. What the keys and clicks mean is the game's: the box only reports them.
class CasellaLettera final : public QWidget {
    Q_OBJECT
public:
    CasellaLettera(int indice, QWidget* genitore);

    int indice() const { return indice_; }
    const QString& testo() const { return testo_; }
    void imposta(const QString& testo, const QColor& sfondo);
    void setPixelCarattere(int pixel);
    // A box that cannot change (a given letter, a finished game) reports no typing.
    void setSolaLettura(bool sola) { solaLettura_ = sola; }
    bool solaLettura() const { return solaLettura_; }

signals:
    // A key pressed in the box: its code and the text it types (if any).
    void tasto(int indice, int codice, const QString& testo);
    void premuta(int indice);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int indice_;
    QString testo_;
    QColor sfondo_ = Qt::white;
    bool solaLettura_ = false;
};

} // namespace verbolario
