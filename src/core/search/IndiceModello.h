#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"
#include "search/Modello.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Whether an entry is compared without its blanks, hyphens and every other character outside
// the search alphabet: when it holds a blank or a hyphen ("a capo" is compared as "acapo").
bool VaRiscritta(std::string_view voce);

// The entries of a dictionary laid out for pattern searches: grouped by the length of their
// compared form; within a length, stored column by column (the first characters of all
// entries together, then the second ones, ...), so a pattern with known letters at known
// places reads only those columns, and row by row for the rest of the test. Built once per
// dictionary state through Voci::derived.
class IndiceModello {
public:
    explicit IndiceModello(const Voci& voci);

    // Which hits go in the list, judged from a hit's letter signature (Firma) and its
    // compared form.
    class Filtro {
    public:
        virtual ~Filtro() = default;
        virtual bool ammette(uint64_t firma, std::string_view forma) const = 0;
    };

    // Hits in dictionary order, and whether the filter lets each into the list.
    struct Trovate {
        std::vector<uint32_t> indici;
        std::vector<uint8_t> elencate;
    };

    // Appends to trovate, in dictionary order, the entries whose compared form matches the
    // pattern; accenti compares the forms unfolded, otherwise with accents folded. The
    // dictionary is covered a stretch of indexes at a time, and the search ends after the
    // stretch in which the hits reach limite: the first limite hits are then those a scan from
    // index 0 would meet. voci must be the dictionary the index was built from; filtro may be
    // null (every hit listed). Returns false when the user stopped it; trovate then holds the
    // hits of the stretches done.
    bool cerca(const Voci& voci, const Modello& modello, bool accenti, int64_t limite,
               const Filtro* filtro, Trovate& trovate, Poll& poll) const;

    // The rows of one compared length as the exchange search reads them: the accent-folded
    // texts (row r at testi + r * larghezza), the dictionary index of each row (ascending) and,
    // ascending, the rows whose entry holds a blank or hyphen (their stored length differs).
    struct Righe {
        const char* testi = nullptr;
        const uint32_t* indici = nullptr;
        size_t n = 0;
        const std::vector<uint32_t>* riscritte = nullptr;
    };
    Righe righe(size_t larghezza) const;

private:
    // Entries whose compared form has one length.
    struct Fascia {
        uint32_t larghezza = 0;
        std::vector<uint32_t> indici;       // dictionary index of each row, ascending
        std::vector<unsigned char> colonne; // folded forms, character k of row r at k * rows + r
        std::vector<char> testi;            // the same, row r at r * larghezza, then padding
        // Firma of the folded form, in two halves: a scan for letters reads only the first.
        std::vector<uint32_t> lettere, doppie;
        // Rows that hold accented vowels, and where their unfolded form is kept.
        std::vector<uint32_t> righeAccentate;
        std::vector<uint64_t> testiAccentati;
        // Rows whose entry is compared without its blanks and signs.
        std::vector<uint32_t> righeRiscritte;
        // The first row of each stretch of dictionary indexes searched at a time, and the end.
        std::vector<uint32_t> inizioTratto;
        uint32_t righe() const { return static_cast<uint32_t>(indici.size()); }
        const char* testo(uint32_t r) const { return testi.data() + size_t{r} * larghezza; }
        uint64_t firma(uint32_t r) const { return lettere[r] | uint64_t{doppie[r]} << 32; }
    };
    class Scansione;
    void aggiungi(Fascia& f, size_t righe, uint32_t indice, std::string_view voce,
                  std::string& scarto);
    void dividiInTratti(size_t n);

    std::vector<Fascia> fasce_; // by length
    std::string accentati_;     // the unfolded forms of rows with accents
    uint32_t tratto_ = 0;       // dictionary indexes per stretch, a multiple of 64
    uint32_t tratti_ = 0;
};

} // namespace verbolario
