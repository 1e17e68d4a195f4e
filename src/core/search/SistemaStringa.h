#pragma once

#include <string>
#include <string_view>

namespace verbolario {

// The wildcard pattern of what the user typed. Each digit stands for the letter at that place
// of chiave ("1" the first, "0" the tenth) and stays a digit when the key is shorter. A text
// with a "*" or "?" is the pattern itself; any other text is looked for as letters in order
// with anything around them, so "abc" becomes "*a*b*c*".
std::string SistemaStringa(std::string_view testo, std::string_view chiave);

// The key letters the pattern does not use go to nuovaChiave; true when the pattern uses at
// least one of them. Only letters of the search alphabet count, on both sides.
bool Incoerente(std::string_view modello, std::string_view chiave, std::string& nuovaChiave);

} // namespace verbolario
