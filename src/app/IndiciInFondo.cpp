#include "IndiciInFondo.h"

#include <QTimer>

#include <algorithm>
#include <malloc.h>

namespace verbolario {

namespace {
// How soon to look again when long work kept a build from starting.
constexpr int kRiprovaMs = 200;
} // namespace

IndiciInFondo::IndiciInFondo(const Voci& voci, std::function<bool()> libero, QObject* parent)
    : QObject(parent), voci_(voci), libero_(std::move(libero)) {}

IndiciInFondo::~IndiciInFondo() {
    // An index cannot be abandoned halfway; building one takes well under a second.
    if (lavoro_.joinable()) lavoro_.join();
}

void IndiciInFondo::richiedi(Indice quale) {
    if (IndicePronto(voci_, quale)) return;
    coda_.erase(std::remove(coda_.begin(), coda_.end(), quale), coda_.end());
    coda_.push_front(quale);
    pianifica();
}

void IndiciInFondo::accoda(Indice quale) {
    if (IndicePronto(voci_, quale) || std::find(coda_.begin(), coda_.end(), quale) != coda_.end())
        return;
    coda_.push_back(quale);
    pianifica();
}

void IndiciInFondo::pianifica() {
    // Started from the event loop, so a request made while the window is being set up waits
    // until the window is on screen.
    if (!attesa_) {
        attesa_ = true;
        QTimer::singleShot(0, this, [this] {
            attesa_ = false;
            prossimo();
        });
    }
}

void IndiciInFondo::prossimo() {
    if (inCorso_) return;
    while (!coda_.empty() && IndicePronto(voci_, coda_.front())) coda_.pop_front();
    if (coda_.empty()) return;
    if (libero_ && !libero_()) {
        if (!attesa_) {
            attesa_ = true;
            QTimer::singleShot(kRiprovaMs, this, [this] {
                attesa_ = false;
                prossimo();
            });
        }
        return;
    }
    const Indice quale = coda_.front();
    coda_.pop_front();
    inCorso_ = true;
    if (lavoro_.joinable()) lavoro_.join();
    lavoro_ = std::thread([this, quale, istantanea = voci_.snapshot()] {
        std::function<void(const Voci&)> consegna;
        try {
            consegna = CostruisciAParte(istantanea, quale);
        } catch (const std::exception&) {
            // Out of memory, most likely: the searches go on with their plain passes.
        }
        QMetaObject::invokeMethod(
            this,
            [this, quale, versione = istantanea.version(), consegna = std::move(consegna)] {
                finito(quale, versione, consegna);
            },
            Qt::QueuedConnection);
    });
}

void IndiciInFondo::finito(Indice quale, uint64_t versione,
                           std::function<void(const Voci&)> consegna) {
    lavoro_.join();
    inCorso_ = false;
    if (!consegna) {
        prossimo();
        return;
    }
    const bool attuale = versione == voci_.version();
    if (attuale && !IndicePronto(voci_, quale)) consegna(voci_);
    consegna = nullptr;
    // The build's scratch space goes back to the system rather than staying with the
    // allocator: a list of millions of words needs hundreds of megabytes of it.
    malloc_trim(0);
    if (attuale)
        emit consegnato(quale);
    else
        coda_.push_front(quale); // wanted for the entries of now
    prossimo();
}

} // namespace verbolario
