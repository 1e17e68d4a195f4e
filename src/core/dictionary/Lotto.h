#pragma once

#include "dictionary/Voci.h"

#include <cstddef>
#include <string_view>

namespace verbolario {

// A run of consecutive dictionary entries: the references of n entries into one text, the
// first of them being entry number primo of the dictionary.
struct Lotto {
    const char* testo = nullptr;
    const Voci::Ref* refs = nullptr;
    size_t n = 0;
    size_t primo = 0;
    // Every entry's text starts after the end of the one before it, so the stretch from the
    // first entry to the end of the last holds them in order (with whatever separates them).
    bool inOrdine = false;
    // No entry holds a blank or a hyphen: searches that compare entries without those signs
    // need not look for them.
    bool senzaSegni = false;

    std::string_view operator[](size_t k) const { return {testo + refs[k].off, refs[k].len}; }
};

} // namespace verbolario
