#pragma once

#include <string>
#include <string_view>

namespace verbolario {

// a with the letters of b taken out: for each character of b in turn, the first equal
// character of a not yet taken becomes a blank. When b is not shorter than a the result is
// empty (nothing would be left over). Riordina of the result lists the leftover letters.
std::string Differenza(std::string_view a, std::string_view b);

} // namespace verbolario
