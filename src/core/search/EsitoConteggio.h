#pragma once

#include <cstdint>

namespace verbolario {

// How a search routine that appends to a result list ended: how many hits it counted, and
// whether a stop request cut it short (the hits found until then are kept).
struct EsitoConteggio {
    int64_t conteggio = 0;
    bool interrotto = false;
};

} // namespace verbolario
