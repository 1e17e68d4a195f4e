#pragma once

#include "Poll.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Consonants of a text. With doppie a doubled consonant ("tt") counts twice, as the letters
// it is written with; without it counts once, as the one sound (one digit of a number key)
// it stands for.
int64_t ContaConsonanti(std::string_view testo, bool doppie);

// Drops the hits that spell more consonants than the pattern asks for, so a number-key search
// keeps only words whose consonants are all digits of the number. The pattern's own doubled
// consonants follow the same rule; letters the pattern keeps apart ("*t*t*") are two. A
// pattern with no consonant keeps everything. The comment after a TAB is not part of the word
// and is not counted. A stop request leaves the hits not yet looked at in the list.
void Discrimina(std::vector<std::string>& lista, std::string_view modello, bool doppie, Poll& poll);
void Discrimina(std::vector<std::string_view>& lista, std::string_view modello, bool doppie,
                Poll& poll);

} // namespace verbolario
