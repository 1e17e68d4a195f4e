#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace verbolario {

// The entries ordered by their text read backwards, so that every entry ending with a given
// text sits in one run found by binary search. Built once per dictionary change through
// Voci::derived.
class IndiceRime {
public:
    explicit IndiceRime(const Voci& voci);

    // The entries (indexes into voci, the dictionary it was built from) that end with
    // finale, in no useful order.
    std::pair<const uint32_t*, const uint32_t*> conFinale(const Voci& voci,
                                                          std::string_view finale) const;

private:
    // No reference to the dictionary is kept: a moved store carries its derived data along.
    std::vector<uint32_t> ordine_;
};

} // namespace verbolario
