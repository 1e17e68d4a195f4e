#include "PollEventi.h"

#include "Contesto.h"

#include <QCoreApplication>

namespace verbolario {

PollEventi::PollEventi(Contesto& ctx) : ctx_(ctx) {
    orologio_.start();
}

bool PollEventi::stop() {
    // Reading the clock costs more than the counter: look at it on every 4th call only.
    if ((++contatore_ & 3u) == 0 && orologio_.elapsed() >= kIntervalloMs) {
        QCoreApplication::processEvents();
        orologio_.restart();
    }
    return ctx_.interrompi;
}

void PollEventi::progress(int64_t position, int64_t total) {
    if (suProgresso) suProgresso(position, total);
}

} // namespace verbolario
