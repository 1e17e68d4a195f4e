#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// The letters of a text in byte order: only characters whose Windows-1252 code is above 64
// take part (capitals, lower case, accented letters); spaces, digits and most punctuation
// are dropped. Two words are anagrams of each other exactly when their Riordina agree.
// "Roma 2" -> "Ramo", "\xE0" "bc" -> "bc\xE0".
std::string Riordina(std::string_view s);

// The same into a caller's buffer, so a loop over the dictionary allocates nothing.
void Riordina(std::string_view s, std::string& out);

// Ascending sort of codes[low..high] (both included), quicksort with a middle pivot.
void QSort(std::vector<uint8_t>& codes, int64_t low, int64_t high);

} // namespace verbolario
