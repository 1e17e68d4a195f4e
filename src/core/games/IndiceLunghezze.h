#pragma once

#include <cstdint>
#include <vector>

namespace verbolario {

class Voci;

// How many entries of a dictionary have each length (the whole stored entry, comment
// included), kept as running totals so that a count over a range of lengths costs two reads.
// Built by one pass over the entries on first use (Voci::derived) and dropped with the next
// change of the dictionary.
class IndiceLunghezze {
public:
    explicit IndiceLunghezze(const Voci& voci);

    // Entries whose length lies in [min, max]; 0 for an empty or inverted range.
    int64_t conta(int64_t min, int64_t max) const;

private:
    // primi_[l]: entries shorter than l.
    std::vector<int64_t> primi_;
};

} // namespace verbolario
