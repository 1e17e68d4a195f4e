#pragma once

#include <QWidget>

namespace verbolario {

// One of the about box's pictures, drawn here rather than loaded: the logo (a tile word) or
// the help book. The pointer over it shows a thin border; a click emits cliccata.
class ImmagineSplash final : public QWidget {
    Q_OBJECT
public:
    enum class Tipo { Logo, Help, Icona };
    ImmagineSplash(Tipo tipo, QWidget* parent = nullptr);

    bool bordo() const { return bordo_; }
    void setBordo(bool b);
    QSize sizeHint() const override;

signals:
    void cliccata();
    void puntatoreSopra();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void disegnaLogo(QPainter& p) const;
    void disegnaHelp(QPainter& p) const;
    void disegnaIcona(QPainter& p) const;

    Tipo tipo_;
    bool bordo_ = false;
};

} // namespace verbolario
