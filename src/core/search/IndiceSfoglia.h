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
// characters) and by their first letter with accented vowels taken as plain ones. A sorted
// dictionary holds most of a group in that order already: such a group is kept as runs of
// consecutive dictionary indexes (a few per accented entry), any other as its indexes.
class IndiceSfoglia {
public:
    explicit IndiceSfoglia(const Voci& voci);

    // The browse list holds at most this many entries.
    static constexpr size_t kCapacita = 32736;

    // Dictionary indexes da..da+n-1.
    struct Tratto {
        uint32_t da = 0;
        uint32_t n = 0;
    };

    struct Gruppo {
        // Dictionary indexes in alphabetical order: as runs, or one by one (one of the two
        // is empty).
        std::span<const Tratto> tratti;
        std::span<const uint32_t> voci;
        size_t quante = 0;
        // When the group is larger than the list's capacity: the index of the last entry,
        // in dictionary order, that still fits. The list keeps the entries met first.
        uint32_t ultimaAmmessa = UINT32_MAX;
        bool troppe() const { return quante > kCapacita; }
        // Calls f with each index up to ultimaAmmessa, in alphabetical order.
        template <class F> void perAmmesse(F f) const {
            for (const Tratto& t : tratti)
                for (uint32_t i = t.da; i < t.da + t.n && i <= ultimaAmmessa; ++i) f(i);
            for (uint32_t i : voci)
                if (i <= ultimaAmmessa) f(i);
        }
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
    // The groups that have entries, by key.
    struct Gruppi {
        std::vector<uint32_t> chiavi; // ascending
        // Group k (of key chiavi[k]): runs tratti[primoTratto[k], primoTratto[k + 1]) or
        // indexes ordine[primaSciolta[k], primaSciolta[k + 1]).
        std::vector<uint32_t> primoTratto, primaSciolta;
        std::vector<uint32_t> quante, ultimaAmmessa;
        std::vector<Tratto> tratti;
        std::vector<uint32_t> ordine;
        Gruppo gruppo(size_t chiave) const;
    };
    static void costruisci(const Voci& voci, Gruppi& gruppi, size_t nGruppi,
                           size_t (*chiave)(std::string_view));

    Gruppi prefissi_;
    Gruppi lettere_;
};

} // namespace verbolario
