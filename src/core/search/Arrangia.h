#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verbolario {

// The text reduced to the 48 lower-case letters of the search alphabet (plain and accented
// vowels, consonants): blanks, hyphens, apostrophes, TABs, digits and capitals are cut out.
// rimossi grows by the number of characters cut.
std::string Arrangia(std::string_view testo, int64_t& rimossi);
std::string Arrangia(std::string_view testo);

} // namespace verbolario
