#pragma once

#include "Poll.h"

#include <cstdint>

namespace verbolario {

// Paces a walk through positions 0..totale of a search: a stop request is looked at once per
// 1024 positions passed (often enough to feel immediate, rarely enough to cost nothing) and
// progress is reported about a hundred times. Fast paths that jump over positions still
// call arrivaA for the positions they reach, so a stop keeps exactly the hits before it.
class Ascolto {
public:
    Ascolto(Poll& poll, int64_t totale)
        : poll_(poll), totale_(totale), passoProgresso_(totale / 100 > 0 ? totale / 100 : 1) {}

    // False once the user asked to stop; after that it stays false.
    bool arrivaA(int64_t posizione) {
        if (!fermato_ && posizione >= prossimoStop_) {
            prossimoStop_ = (posizione / kPasso + 1) * kPasso;
            fermato_ = poll_.stop();
        }
        if (posizione >= prossimoProgresso_) {
            poll_.progress(posizione, totale_);
            prossimoProgresso_ = (posizione / passoProgresso_ + 1) * passoProgresso_;
        }
        return !fermato_;
    }
    // For work between positions (sorting, grouping) that must stay stoppable: a stop
    // request is looked at once per 1024 calls.
    bool ancora() {
        if (!fermato_ && ++passiLiberi_ % kPasso == 0) fermato_ = poll_.stop();
        return !fermato_;
    }
    bool fermato() const { return fermato_; }

private:
    static constexpr int64_t kPasso = 1024;
    Poll& poll_;
    int64_t totale_;
    int64_t passoProgresso_;
    int64_t prossimoStop_ = kPasso;
    int64_t prossimoProgresso_ = 0;
    int64_t passiLiberi_ = 0;
    bool fermato_ = false;
};

} // namespace verbolario
