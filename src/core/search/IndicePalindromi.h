#pragma once

#include "dictionary/Voci.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace verbolario {

// The palindromes of a dictionary, found once per dictionary change (the search takes no
// input, so the whole answer can be kept).
class IndicePalindromi {
public:
    explicit IndicePalindromi(const Voci& voci);

    // Indexes of the palindromes, ascending.
    const std::vector<uint32_t>& voci() const { return trovate_; }

    // Whether one entry counts as a palindrome: longer than 2 characters, and its letters
    // (accents folded) read the same backwards over the first half of its stored length.
    // scratch is reused between calls so a scan allocates nothing.
    static bool palindromo(std::string_view voce, std::string& scratch);

private:
    std::vector<uint32_t> trovate_;
};

} // namespace verbolario
