#pragma once

#include "games/PicLed.h"

#include <QWidget>

namespace verbolario {

// The timed game's countdown (PicTime): two LED digits centred on a dark ground, and a small
// yellow mark in the top-left corner while the alarm is on. A left click switches the alarm,
// a right click asks for the settings window; the game decides what follows.
class ContoAllaRovescia final : public QWidget {
    Q_OBJECT
public:
    explicit ContoAllaRovescia(QWidget* parent = nullptr);

    // Shows two digits: a single character gets a "0" before it.
    void Scandisci(const QString& testo);
    void setAllarme(bool attivo);
    bool allarme() const { return allarme_; }
    // What the two cells show.
    const QString& cifre() const { return testo_; }

    // Where the digit cells go, and their size, for the widget's current size.
    QSize dimensioneCella() const;
    QPoint origineCelle() const;
    // The alarm mark's side in pixels (3 at the design size).
    int latoSegno() const;

signals:
    void clicSinistro();
    void clicDestro();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    PicLed picLed_;
    QString testo_ = QStringLiteral("00");
    bool allarme_ = true;
};

} // namespace verbolario
