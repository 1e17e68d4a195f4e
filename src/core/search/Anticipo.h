#pragma once

#include "dictionary/Voci.h"

#include <cstdint>

namespace verbolario {

// Searches that read entries in an order unrelated to where they lie in memory (by length,
// by letters) wait mostly for memory. Asking for an entry's reference, and a little later
// for its text, some steps before reading them hides most of that wait. Only hints: nothing
// here changes what is read.
class Anticipo {
public:
    explicit Anticipo(const Voci& voci) : refs_(voci.refs().data()), dati_(voci.data()) {}
    void riferimento(uint32_t i) const { __builtin_prefetch(refs_ + i); }
    // Reads the reference: ask for it first.
    void testo(uint32_t i) const { __builtin_prefetch(dati_ + refs_[i].off); }

    // How many steps ahead the reference, then the text, are best asked for.
    static constexpr size_t kPassiRiferimento = 16;
    static constexpr size_t kPassiTesto = 8;

private:
    const Voci::Ref* refs_;
    const char* dati_;
};

} // namespace verbolario
