#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace verbolario {

// The dictionary's words in the order of their key, for the word-play relations. A word is
// an entry whose term (the part before a TAB) is made only of letters of the search
// alphabet, in either case; entries with blanks, apostrophes, hyphens or digits are phrases
// or forms, not words, and are left out. The key of a word is its term in lower case with
// accented vowels folded to plain ones, read forwards or, in the reversed order, backwards
// (the reversed key of "arpa" is "apra"), so the words sharing a beginning (or an ending)
// are neighbours and any look-up is a binary search.
//
// Each word costs eight bytes: its entry index and the first four characters of its key,
// which settle most comparisons without reading the dictionary (a look-up then touches the
// entries only among the few words that share those four characters).
class IndiceParole {
public:
    IndiceParole(const Voci& voci, bool rovescio);

    // The indexes of a dictionary, both built on first use after every change (see
    // OrdiniParole).
    static const IndiceParole& diritto(const Voci& voci);
    static const IndiceParole& rovescio(const Voci& voci);

    // The key character of a term character: lower case, accent folded.
    static unsigned char piega(unsigned char c);
    // Whether a term is a word.
    static bool parola(std::string_view termine);

    // Positions [da, a) of the order.
    struct Intervallo {
        size_t da = 0, a = 0;
        size_t size() const { return a - da; }
    };
    // The words whose key is `chiave`, or begins with `inizio`. Both texts are keys
    // already: folded, and backwards for the reversed order.
    Intervallo uguali(const Voci& voci, std::string_view chiave) const;
    Intervallo conInizio(const Voci& voci, std::string_view inizio) const;

    size_t size() const { return ordine_.size(); }
    // The entry at position k of the order.
    uint32_t operator[](size_t k) const { return ordine_[k]; }

    // Compares the key of entry i with a key text, looking at no more than `quanti` of the
    // entry's key characters (a prefix test); <0, 0 or >0.
    int confronta(const Voci& voci, uint32_t i, std::string_view chiave,
                  size_t quanti = SIZE_MAX) const;
    // Compares the key at position a of this order with the key at position b of `altro`.
    int confronta(const Voci& voci, size_t a, const IndiceParole& altro, size_t b) const;

private:
    // Positions [da, a) whose first four key characters lie in [minima, massima].
    Intervallo tra(uint32_t minima, uint32_t massima) const;
    // The part of r whose keys, cut to `quanti` characters, equal `chiave`.
    Intervallo stringi(const Voci& voci, Intervallo r, std::string_view chiave,
                       size_t quanti) const;

    bool rovescio_;
    std::vector<uint32_t> ordine_;
    std::vector<uint32_t> teste_;
};

// Both orders of a dictionary, the data the relations answer from (Voci::derived): built
// together, since most relations of a word read both, and on a list of millions of words they
// take about a second, which the window spends on a worker thread (Indice::Parole).
struct OrdiniParole {
    explicit OrdiniParole(const Voci& voci) : diritto(voci, false), rovescio(voci, true) {}
    IndiceParole diritto;
    IndiceParole rovescio;
};

} // namespace verbolario
