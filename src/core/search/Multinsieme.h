#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace verbolario {

// The characters of a text counted with their repetitions, for the letter-by-letter
// comparisons of the anagram searches (a letter of one word uses up one equal letter of the
// other). Every test leaves the object as it found it and allocates nothing, so one object
// serves a whole pass over the dictionary.
class Multinsieme {
public:
    // The text's characters; with piega, accented vowels counted as their plain vowel.
    Multinsieme(std::string_view testo, bool piega);

    size_t size() const { return size_; }
    // Every character of w (folded with piega) can be taken from this one.
    bool contiene(std::string_view w, bool piega) const;
    // Same characters, same repetitions.
    bool uguale(std::string_view w, bool piega) const {
        return w.size() == size_ && contiene(w, piega);
    }
    // Every character of this one can be taken from w (folded with piega). The characters
    // of w left over are appended to avanzi unless it is null.
    bool contenutoIn(std::string_view w, bool piega, std::string* avanzi = nullptr) const;

    static unsigned char piega(unsigned char c) { return kPiana.t[c]; }

private:
    struct Piana {
        std::array<unsigned char, 256> t{};
        Piana();
    };
    static const Piana kPiana;

    std::array<uint32_t, 256> conta_{};
    mutable std::array<uint32_t, 256> uso_{};
    size_t size_ = 0;
};

} // namespace verbolario
