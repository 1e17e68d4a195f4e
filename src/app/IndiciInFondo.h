#pragma once

#include "dictionary/Voci.h"
#include "search/Indici.h"

#include <QObject>

#include <deque>
#include <functional>
#include <thread>

namespace verbolario {

// Builds the search indexes of the dictionary on a thread of their own, one at a time, while
// the window answers with plain passes: the user never waits for an index.
//
// The worker reads a snapshot of the store (Voci::snapshot), which no change made here can
// touch; the finished index is handed to the store on this thread, and only if the store
// still holds the entries it was built from. Otherwise it is dropped and built again for the
// entries of now. Nothing but this object's own thread ever touches the store itself.
class IndiciInFondo final : public QObject {
    Q_OBJECT
public:
    // voci outlives this object. libero says whether a build may start now: not while other
    // long work may be changing the dictionary, so that no snapshot is taken of a state about
    // to go (it would make the store copy itself and build an index thrown away).
    IndiciInFondo(const Voci& voci, std::function<bool()> libero, QObject* parent = nullptr);
    ~IndiciInFondo() override;

    // Wants the index for the entries as they are: it comes before those asked earlier.
    void richiedi(Indice quale);
    // Wants it after those asked already, unless it is asked already (a window beside the
    // main one wants its index, but not before the mode in use has its own).
    void accoda(Indice quale);
    // Nothing is being built or waits to be.
    bool fermo() const { return !inCorso_ && coda_.empty(); }

signals:
    // An index has been handed to the store.
    void consegnato(Indice quale);

private:
    // Looks at the queue from the event loop.
    void pianifica();
    void prossimo();
    void finito(Indice quale, uint64_t versione, std::function<void(const Voci&)> consegna);

    const Voci& voci_;
    std::function<bool()> libero_;
    std::deque<Indice> coda_;
    std::thread lavoro_;
    bool inCorso_ = false;
    bool attesa_ = false; // a retry is scheduled
};

} // namespace verbolario
