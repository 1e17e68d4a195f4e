#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QScrollBar;

namespace verbolario {

class Form1;

// The timed game's settings: the time limit (10 to 60 seconds) and the longest word used
// (6 to 16 letters), each on a bar with its value beside it. It opens near the pointer,
// takes effect as the bars move, and closes by itself once the pointer has gone more than
// 7 pixels past its edges.
class frmTime final : public QWidget {
    Q_OBJECT
public:
    explicit frmTime(Form1& f);

    static constexpr int kMargine = 7;

    std::array<QScrollBar*, 2> HScroll1{}; // 0 time, 1 length
    QLabel* Label1 = nullptr;              // "Tempo"
    QLabel* Label2 = nullptr;              // "Lunghezza massima"
    QLabel* lblTempo = nullptr;            // the value beside the time bar
    QLabel* lblLunghezza = nullptr;        // the value beside the length bar

    // ' 30"': a blank, the seconds in two digits, a double quote.
    static QString testoTempo(int secondi);
    // The length followed by three blanks below 10, by one from 10 on.
    static QString testoLunghezza(int lettere);

    // Shows the window with the pointer inside, near its top-left corner, on the screen.
    void apriVicinoA(QPoint puntatore);
    // The pointer check of the window's own timer: closes the window when `puntatore` lies
    // more than kMargine pixels outside it on any side. True when it closed.
    bool controllaPuntatore(QPoint puntatore);
    // The window's timer (tests stop it to drive the check themselves).
    QTimer& Timer1() { return timer_; }

signals:
    // The time limit changed: the countdown shows it.
    void tempoCambiato(int secondi);
    // The window is closing: the answer box takes the focus back.
    void chiuso();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Aggiorna();

    Form1& f_;
    QTimer timer_;
    QRect rettangolo_;
};

} // namespace verbolario
