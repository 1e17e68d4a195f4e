#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace verbolario {

// The entries grouped two ways for browsing, each group already in the alphabetical order of
// the result lists, so showing a group is a copy: by their first two bytes (an entry of one
// byte, or the empty entry, forms a group of its own, as the browse compares its first two
// characters) and by their first letter with accented vowels taken as plain ones.
class IndiceSfoglia {
public:
    explicit IndiceSfoglia(const Voci& voci);

    // The browse list holds at most this many entries.
    static constexpr size_t kCapacita = 32736;

    struct Gruppo {
        // Dictionary indexes in alphabetical order.
        std::span<const uint32_t> voci;
        // When the group is larger than the list's capacity: the index of the last entry,
        // in dictionary order, that still fits. The list keeps the entries met first.
        uint32_t ultimaAmmessa = UINT32_MAX;
        bool troppe() const { return voci.size() > kCapacita; }
    };

    // Entries whose first two bytes are prefisso (prefisso of 0 to 2 bytes; a shorter one
    // stands for the whole entry).
    Gruppo perPrefisso(std::string_view prefisso) const;
    // Entries whose first byte, accents folded, is lettera.
    Gruppo perLettera(unsigned char lettera) const;

    // The group of an entry, or of a prefix, by its first two bytes.
    static size_t chiavePrefisso(std::string_view e);
    // The group of an entry by its first letter; kNessuna for the empty entry.
    static size_t chiaveLettera(std::string_view e);
    static constexpr size_t kNessuna = SIZE_MAX;

private:
    struct Gruppi {
        std::vector<uint32_t> inizi; // group g is ordine[inizi[g], inizi[g + 1])
        std::vector<uint32_t> ordine;
        std::vector<uint32_t> ultimaAmmessa;
        Gruppo gruppo(size_t g) const;
    };
    static void costruisci(const Voci& voci, Gruppi& gruppi, size_t nGruppi,
                           size_t (*chiave)(std::string_view));

    Gruppi prefissi_;
    Gruppi lettere_;
};

} // namespace verbolario
