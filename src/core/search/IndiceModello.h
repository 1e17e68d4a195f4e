#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"
#include "search/IndiceAnagrammi.h"
#include "search/Modello.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Whether an entry is compared without its blanks, hyphens and every other character outside
// the search alphabet: when it holds a blank or a hyphen ("a capo" is compared as "acapo").
bool VaRiscritta(std::string_view voce);

// The entries of a dictionary laid out for pattern searches: grouped by the length of their
// compared form; within a length, stored column by column (the first characters of all
// entries together, then the second ones, ...; a place whose rows share their characters in
// long runs, as the first places of a sorted list do, as those runs), so a pattern with known
// letters at known places reads only those columns. The few rows that a pattern leaves are
// read from the store itself, folded as they are read; only the rows compared in another form
// than they are stored (without their blanks and hyphens) keep a copy of that form. When no
// entry is compared in another form by this index or by the anagram index (no blank, hyphen or
// \xBD), the dictionary indexes and letter masks of the rows are those of the anagram index,
// which lays the entries out the same way, and one copy serves both. Built once per dictionary
// state through Voci::derived.
class IndiceModello {
public:
    explicit IndiceModello(const Voci& voci);

    // Which hits go in the list, judged from a hit's letter signature (Firma) and its
    // compared form.
    class Filtro {
    public:
        virtual ~Filtro() = default;
        virtual bool ammette(uint64_t firma, std::string_view forma) const = 0;
        // Whether ammette looks at the signature alone (it is then given no form).
        virtual bool bastaFirma() const = 0;
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

    // The characters at one place of the rows of a group: one byte per row, or, where long
    // runs of rows share their character (the first places of a sorted list do), the runs.
    class Colonna {
    public:
        // The rows da..da+n-1 (n at most 64) that hold c there, as bits from bit 0.
        uint64_t uguali(uint32_t da, uint32_t n, unsigned char c) const;
        unsigned char operator[](uint32_t r) const;

    private:
        friend class IndiceModello;
        // Run k: rows inizi[k]..inizi[k + 1]-1 hold valori[k].
        size_t corsa(uint32_t r) const;
        const unsigned char* byte_ = nullptr;
        const uint32_t* inizi_ = nullptr;
        const unsigned char* valori_ = nullptr;
        size_t corse_ = 0;
    };

    // The rows of one compared length as the exchange search reads them: the accent-folded
    // texts by place, the dictionary index of each row (ascending) and, ascending, the rows
    // whose entry holds a blank or hyphen (their stored length differs).
    struct Colonne {
        std::vector<Colonna> colonne;
        const uint32_t* indici = nullptr;
        size_t n = 0;
        const std::vector<uint32_t>* riscritte = nullptr;
    };
    Colonne colonne(size_t larghezza) const;

private:
    struct Corse {
        std::vector<uint32_t> inizi; // and one more: the end
        std::vector<unsigned char> valori;
    };
    // Entries whose compared form has one length.
    struct Fascia {
        uint32_t larghezza = 0;
        uint32_t n = 0;
        const uint32_t* indici = nullptr;  // dictionary index of each row, ascending
        const uint32_t* lettere = nullptr; // a mask per row: bits 0-25 the letters a-z it holds
        // Per row: bits 0-25 the letters a-z it holds more than once; bit 31 set when its
        // compared form is not its text in the store (folded, or without blanks and signs).
        std::vector<uint32_t> doppie;
        // The folded forms by place: the places kept as runs, then the others one byte per
        // row (character k of row r at colonne[posto[k] * n + r]).
        std::vector<Corse> corse;    // by place; no runs for a place kept by rows
        std::vector<uint32_t> posto; // by place
        std::vector<unsigned char> colonne;
        Colonna colonna(size_t k) const;
        // Rows that hold accented vowels, and their compared forms unfolded (larghezza bytes
        // each, in the same order): few, and read one after the other by a pattern with accents.
        std::vector<uint32_t> righeAccentate;
        std::string accentate;
        // Rows whose entry is compared without its blanks and signs, and their folded
        // compared forms (larghezza bytes each, in the same order).
        std::vector<uint32_t> righeRiscritte;
        std::string riscritte;
        // The first row of each stretch of dictionary indexes searched at a time, and the end.
        std::vector<uint32_t> inizioTratto;
    };
    class Scansione;
    void disponi(const std::vector<uint32_t>& larghezze);
    void aggiungi(Fascia& f, uint32_t r, std::string_view voce, std::string& scarto);
    void dividiInTratti(size_t n);
    static void comprimi(Fascia& f);

    std::vector<Fascia> fasce_; // by length
    // The rows' dictionary indexes and masks, by length: the anagram index's, or our own.
    std::shared_ptr<const IndiceAnagrammi> anagrammi_;
    std::vector<uint32_t> indici_, lettere_;
    size_t fineTesti_ = 0; // where the store's last text ends: up to there it can be read
    uint32_t tratto_ = 0;  // dictionary indexes per stretch, a multiple of 64
    uint32_t tratti_ = 0;
};

} // namespace verbolario
