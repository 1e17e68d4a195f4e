#pragma once

#include <string>
#include <string_view>

// A text from the command line turned into what the program's input box would hold had it
// been typed there key by key: each box filters its keys (case changes, refused digits) and
// the pattern boxes turn the space bar into "?". All texts Windows-1252.
namespace verbolario::cli {

// The main input box in the crossword and number-key modes: letters shown in capitals, a
// blank becomes "?", digits pass only when `cifre` (number-key mode with a key).
std::string digitaModello(std::string_view testo, bool cifre);

// The main input box in every other mode: A-Z shown in lower case; digits pass only when
// `cifre` (the container search with letters to exclude).
std::string digitaTesto(std::string_view testo, bool cifre);

// The box of the key / the letters to exclude: letters in capitals, digits refused.
std::string digitaChiave(std::string_view testo);

} // namespace verbolario::cli
