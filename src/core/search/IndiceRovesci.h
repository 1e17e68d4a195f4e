#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// The entries longer than 2 characters laid end to end in dictionary order, a line feed
// between them, so that finding a text inside entries is one pass over contiguous memory.
class IndiceRovesci {
public:
    explicit IndiceRovesci(const Voci& voci);

    struct Occorrenza {
        uint32_t voce;      // index into the dictionary
        uint32_t posizione; // 0-based place of the first occurrence inside the entry
    };

    // The first occurrence of testo in every entry holding it, in dictionary order. testo
    // must not be empty nor hold a line feed (it is made of letters). Stops early, keeping
    // what it found, when poll asks to; returns false then.
    bool cerca(std::string_view testo, std::vector<Occorrenza>& trovate, Poll& poll) const;

private:
    std::string testo_;
    std::vector<uint32_t> inizi_; // start of each entry in testo_, plus one past the end
    std::vector<uint32_t> voci_;  // dictionary index of each entry
};

} // namespace verbolario
