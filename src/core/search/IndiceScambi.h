#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace verbolario {

// The entries grouped by stored length, each kept as its accent-folded text in one block of
// equal-sized records, so comparing a word with every entry of its length is a linear walk.
// Entries holding a blank or a hyphen are left out: the exchange search compares their
// letters only, which are fewer than their stored length, so they can never match.
class IndiceScambi {
public:
    explicit IndiceScambi(const Voci& voci);

    struct Gruppo {
        std::vector<char> forme;    // lunghezza bytes per entry
        std::vector<uint32_t> voci; // dictionary index of each record, ascending
    };

    // The group of one length, or nullptr when no entry has it.
    const Gruppo* perLunghezza(size_t lunghezza) const;

    // Whether an entry can be compared at all: not empty, no blank, no hyphen.
    static bool confrontabile(std::string_view e) {
        return !e.empty() && e.find(' ') == std::string_view::npos &&
               e.find('-') == std::string_view::npos;
    }

private:
    // Groups of the usual lengths sit in a table; the rare very long entries in a map.
    static constexpr size_t kCorte = 256;
    std::vector<Gruppo> corte_;
    std::unordered_map<size_t, Gruppo> lunghe_;
    Gruppo& gruppo(size_t lunghezza) {
        return lunghezza < kCorte ? corte_[lunghezza] : lunghe_[lunghezza];
    }
};

} // namespace verbolario
