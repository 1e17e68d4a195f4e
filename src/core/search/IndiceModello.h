#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"
#include "search/Modello.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// The text a pattern is compared with: the entry as stored, without blanks, hyphens and every
// other character outside the search alphabet when it holds a blank or a hyphen ("a capo" is
// compared as "acapo"), and with its accented vowels folded when piega is set.
std::string FormaConfrontata(std::string_view voce, bool piega);

// The entries of a dictionary laid out for pattern searches: grouped by the length of their
// compared form, and within a length stored column by column (the first characters of all
// entries together, then the second ones, ...), so a pattern with known letters at known
// places reads only those columns. Built once per dictionary state through Voci::derived.
class IndiceModello {
public:
    explicit IndiceModello(const Voci& voci);

    // Marks in trovate (one bit per dictionary index, sized by the caller) every entry whose
    // compared form matches the pattern; accenti compares the forms unfolded, otherwise with
    // accents folded. voci must be the dictionary the index was built from. Returns false
    // when the user stopped it: the entries marked so far are the ones found.
    bool cerca(const Voci& voci, const Modello& modello, bool accenti,
               std::vector<uint64_t>& trovate, Poll& poll) const;

private:
    // Entries whose compared form has one length.
    struct Fascia {
        uint32_t larghezza = 0;
        std::vector<uint32_t> indici;       // dictionary index of each row, ascending
        std::vector<unsigned char> colonne; // folded forms, character k of row r at k * rows + r
        std::vector<uint32_t> lettere;      // bits 0-25: which of a-z the folded form holds
        // Rows whose folded form is not the entry as stored, and where that form is kept.
        std::vector<uint32_t> righeRiscritte;
        std::vector<uint64_t> testiRiscritti;
        // Rows that hold accented vowels, and where their unfolded form is kept.
        std::vector<uint32_t> righeAccentate;
        std::vector<uint64_t> testiAccentati;
        uint32_t righe() const { return static_cast<uint32_t>(indici.size()); }
    };
    class Scansione;

    std::vector<Fascia> fasce_; // by length
    std::string testi_;         // the rewritten and unfolded forms
};

} // namespace verbolario
