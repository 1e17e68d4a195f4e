#pragma once

#include <QObject>
#include <QTimer>

namespace verbolario {

// The timed game's clock (Timer1): a repeating timer whose interval the game changes as it
// goes. A test makes it manual: it then never fires by itself, keeps its state all the same,
// and ticks when the test calls scatta().
class OrologioGioco final : public QObject {
    Q_OBJECT
public:
    explicit OrologioGioco(QObject* parent = nullptr);

    void avvia(int intervalloMs);
    void ferma();
    // The next tick comes this long after the change.
    void impostaIntervallo(int intervalloMs);
    bool attivo() const { return attivo_; }
    int intervallo() const { return intervallo_; }

    void rendiManuale();
    void scatta() { emit scatto(); }

signals:
    void scatto();

private:
    QTimer timer_;
    bool manuale_ = false;
    bool attivo_ = false;
    int intervallo_ = 1000;
};

} // namespace verbolario
