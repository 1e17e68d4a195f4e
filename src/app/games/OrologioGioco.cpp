#include "OrologioGioco.h"

namespace verbolario {

OrologioGioco::OrologioGioco(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &OrologioGioco::scatto);
}

void OrologioGioco::avvia(int intervalloMs) {
    attivo_ = true;
    impostaIntervallo(intervalloMs);
}

void OrologioGioco::ferma() {
    attivo_ = false;
    timer_.stop();
}

void OrologioGioco::impostaIntervallo(int intervalloMs) {
    intervallo_ = intervalloMs;
    if (attivo_ && !manuale_) timer_.start(intervalloMs);
}

void OrologioGioco::rendiManuale() {
    manuale_ = true;
    timer_.stop();
}

} // namespace verbolario
