#pragma once

#include "dictionary/Lotto.h"

#include <cstdint>
#include <functional>
#include <string>

namespace verbolario {

class Voci;

// Where a search reads the dictionary from, in dictionary order and a run of entries at a
// time: the store in memory, or a file read as it goes (a one-shot search from the command
// line then needs neither the whole file in memory nor an index).
class FonteVoci {
public:
    virtual ~FonteVoci() = default;

    // Hands the entries to visita a run at a time, from the first, until they end or visita
    // returns false. False when reading failed (see errore()); the runs handed over until
    // then stay valid only during their call.
    virtual bool scorri(const std::function<bool(const Lotto&)>& visita) = 0;

    // The whole store when the entries are in memory (searches then use its indexes), else
    // null.
    virtual const Voci* voci() const { return nullptr; }
    // How many entries there are, when known in advance (for progress reports), else 0.
    virtual int64_t stima() const { return 0; }
    // Why reading failed (Windows-1252), empty otherwise.
    virtual const std::string& errore() const;
};

} // namespace verbolario
