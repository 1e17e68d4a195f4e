#pragma once

#include "dictionary/Voci.h"
#include "text/Byte.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// What the anagram searches compare of each entry, computed once per dictionary version and
// per phrase setting. An entry is compared in its cleaned form: reduced to the 48 letters of
// the search alphabet when it holds the ½ character, or a blank while phrases are on;
// otherwise blanks, hyphens, apostrophes, a TAB and its comment all take part like letters.
// The comparisons then fold accented vowels to plain ones.
//
// Entries are laid out by cleaned length (dictionary order within a length), each with a
// mask of the characters its folded cleaned form holds, so a search reads only the
// lengths that can match and rejects most entries with one AND.
class IndiceAnagrammi {
public:
    IndiceAnagrammi(const Voci& voci, bool frasi);

    // The index of voci for the phrase setting, built on first use after every change.
    static const IndiceAnagrammi& di(const Voci& voci, bool frasi);
    // The same when it has been built already, else null.
    static const IndiceAnagrammi* pronto(const Voci& voci, bool frasi);
    // Whether the phrase setting can make a difference: only entries with a blank are
    // cleaned differently, so a dictionary known to have none shares one index.
    static bool frasiDistinte(const Voci& voci);

    // The entry cleanup rule.
    static bool vaPulita(std::string_view voce, bool frasi) {
        return byte::haUnoDi(voce, '\xBD', frasi ? ' ' : '\xBD');
    }
    // The cleaned form into out; returns it.
    static std::string_view pulisci(std::string_view voce, bool frasi, std::string& out);
    // Which characters a folded text holds, one bit per character: a-z have a bit each,
    // every other character shares one of five bits with many others (a mask test is a
    // filter, the letters are always checked after it). Four bytes per entry: the searches
    // read the masks of millions of entries, and memory is what they wait for.
    using Maschera = uint32_t;
    static constexpr Maschera bit(unsigned char c) {
        return c >= 'a' && c <= 'z' ? Maschera{1} << (c - 'a') : Maschera{1} << (26 + c % 5);
    }
    // The mask of the text once folded.
    static Maschera maschera(std::string_view testo);

    // Set in an entry's mask when its cleaned form differs from the entry as stored.
    static constexpr Maschera kPulita = Maschera{1} << 31;

    size_t size() const { return ordine_.size(); }
    // Where each cleaned length begins, ascending, and one more entry: the end.
    const std::vector<size_t>& inizi() const { return inizi_; }
    const uint32_t* ordine() const { return ordine_.data(); }
    const Maschera* maschere() const { return maschere_.data(); }
    // The cleaned form (not folded) of entry i; mask is its mask, which says whether the
    // cleaned form differs from the stored one.
    std::string_view pulita(const Voci& voci, uint32_t i, Maschera mask) const {
        return mask & kPulita ? pulitaDiversa(i) : voci[i];
    }
    // The same knowing only the entry's index.
    std::string_view pulitaDi(const Voci& voci, uint32_t i) const {
        return vaPulita(voci[i], frasi_) ? pulitaDiversa(i) : voci[i];
    }
    // Distinct cleaned lengths, ascending, in the order of inizi().
    const std::vector<uint32_t>& lunghezze() const { return lunghezze_; }

private:
    std::string_view pulitaDiversa(uint32_t i) const;
    void disponiPerLunghezza(const std::vector<uint32_t>& lunghezze,
                             const std::vector<Maschera>& maschere);

    bool frasi_ = false;
    std::vector<uint32_t> ordine_;    // entry indexes, by cleaned length, then by index
    std::vector<Maschera> maschere_;  // same layout as ordine_
    std::vector<uint32_t> lunghezze_; // distinct cleaned lengths, ascending
    std::vector<size_t> inizi_;       // first position of each length; one more at the end
    // Cleaned forms of the entries the cleanup changes (few: phrases and ½ entries).
    std::vector<uint32_t> diverseIdx_;
    std::vector<size_t> diverseOff_;
    std::string diverseTesto_;
};

// The index for one phrase setting: the store keeps its derived data by type.
template <bool Frasi> struct IndiceAnagrammiPer final : IndiceAnagrammi {
    explicit IndiceAnagrammiPer(const Voci& voci) : IndiceAnagrammi(voci, Frasi) {}
};

} // namespace verbolario
